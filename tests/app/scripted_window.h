#pragma once

#include "app/turn_controller.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tarvo::test {

// A window for the turn loop: it logs every call, ends each pause at once and
// delivers scripted events from inside its waits, where a real window would.
// The end of the script closes it.
class ScriptedWindow : public GameWindow {
public:
    ScriptedWindow() : controller(state, *this) { state.CellSize = 30; }

    GameState state;
    TurnController controller;
    std::vector<std::string> log;
    DefaultRandomSource random;
    // Runs once, right after the loop's first DrawBoard (after InitBoard).
    std::function<void(GameState&)> setUp;

    // Events separated by blanks: "35" a release over row 3, column 5;
    // "x15,100" a release at that pixel; "k7" the key 7; "s+" or "s-" Stop
    // answered Yes or No; "b" or "w" Start choosing Black or White; "q" the
    // window closed; "u" Undo; "r" Redo; "h" a hint shown. "@p" after an event
    // delivers it inside the next pause, "@s" inside the computer's search,
    // and otherwise in a wait for input.
    void Script(const std::string& events) {
        std::istringstream in(events);
        for (std::string e; in >> e;) {
            const auto at = e.find('@');
            const char where = at == std::string::npos ? 'w' : e[at + 1];
            const std::string event = e.substr(0, at);
            script_.push_back({where, [this, event] { Run(event); }});
        }
    }
    // Starts a game as the Start command does (0 Black, 1 White).
    void StartGame(std::optional<int16_t> colour) {
        colourAnswer_ = colour;
        controller.mnuGameStatus_Click();
    }
    // The log entries, each followed by "|", and "end".
    std::string Log() const {
        std::string text;
        for (const std::string& entry : log) {
            text += entry + "|";
        }
        return text + "end";
    }

    void ShowStatus(const std::string& text) override { log.push_back("status: " + text); }
    void DrawBoard() override {
        log.push_back("draw");
        if (setUp) {
            auto once = std::move(setUp);
            setUp = nullptr;
            once(state);
        }
    }
    void ShowTurnOwner(const std::string& who) override { log.push_back("owner: " + who); }
    bool MarkMove(int row, int col) override {
        log.push_back("mark " + std::to_string(row) + std::to_string(col));
        return Pause(500);
    }
    bool ShowGained(int count) override {
        log.push_back("gained " + std::to_string(count));
        return Pause(1000);
    }
    void SnapshotBoard() override { log.push_back("snapshot"); }
    bool Pause(int ms) override {
        log.push_back("pause " + std::to_string(ms));
        Deliver('p');
        return !closed_;
    }
    bool WaitForInput() override {
        while (state.AwaitingInput && !state.StopFlag && !closed_) {
            if (!script_.empty()) {
                EXPECT_EQ(script_.front().at, 'w') << "the loop waits for the human";
                RunFront();
            } else {
                closed_ = true;
            }
        }
        return !closed_;
    }
    bool YieldToEvents() override {
        Deliver('s');
        return !closed_;
    }
    SearchedMove SearchMove() override {
        if (!engineMove) {
            return {};
        }
        Deliver('s');
        return {false, !closed_, *engineMove / 10, *engineMove % 10};
    }
    // The move a stronger level finds, as row * 10 + column (0 for a pass);
    // none at the classic level.
    std::optional<int> engineMove;
    void RestoreSnapshot(int moveCount) override {
        log.push_back("restore " + std::to_string(moveCount));
    }
    void Announce(int16_t colour, int row, int col) override {
        log.push_back((colour == Black ? "Black" : "White") +
                      (row == 0 ? std::string(" passes")
                                : " plays " + std::to_string(row) + std::to_string(col)));
    }
    void ShowBoardPicture(bool visible) override { log.push_back(visible ? "shown" : "hidden"); }
    void Beep() override { log.push_back("beep"); }
    void ShowOutsideBoard() override { log.push_back("outside"); }
    void ShowResult(const std::string& text) override { log.push_back("result: " + text); }
    bool ConfirmStop() override {
        log.push_back("confirm stop");
        return stopAnswer_;
    }
    std::optional<int16_t> ChooseColour() override {
        log.push_back("colour dialog");
        return colourAnswer_;
    }
    void ShowRunning(bool running) override { log.push_back(running ? "running" : "stopped"); }
    void ShowError(const RuntimeError& error) override {
        log.push_back("error: " + error.message());
    }
    void RecordScore(int16_t humanCount) override {
        log.push_back("score " + std::to_string(humanCount));
    }
    RandomSource& Random() override { return random; }

private:
    struct Event {
        char at;
        std::function<void()> run;
    };

    void Run(const std::string& e) {
        if (e[0] == 'x') {
            const auto comma = e.find(',');
            controller.picV_MouseUp(std::stof(e.substr(1, comma - 1)),
                                    std::stof(e.substr(comma + 1)));
        } else if (e[0] == 'k') {
            controller.Form_KeyPress(e[1]);
        } else if (e[0] == 's' || e[0] == 'b' || e[0] == 'w') {
            stopAnswer_ = e == "s+";
            colourAnswer_ = e == "w" ? 1 : 0;
            controller.mnuGameStatus_Click();
        } else if (e[0] == 'q') {
            closed_ = true;
        } else if (e[0] == 'u') {
            controller.Undo();
        } else if (e[0] == 'r') {
            controller.Redo();
        } else if (e[0] == 'h') {
            controller.NoteHint();
        } else {
            controller.picV_MouseUp(30.0f * (e[1] - '0') + 15, 30.0f * (e[0] - '0') + 15);
        }
    }
    void RunFront() {
        Event event = std::move(script_.front());
        script_.pop_front();
        event.run();
    }
    void Deliver(char at) {
        while (!script_.empty() && script_.front().at == at) {
            RunFront();
        }
    }

    std::deque<Event> script_;
    std::optional<int16_t> colourAnswer_;
    bool stopAnswer_ = false;
    bool closed_ = false;
};

} // namespace tarvo::test
