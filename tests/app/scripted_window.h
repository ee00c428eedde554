#pragma once

#include "app/turn_controller.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::test {

// Where a scripted event arrives: while the human's choice is awaited,
// inside the next pause, or inside the computer's search.
enum class At { Wait, Pause, Search };

// A window for the turn loop with a fake clock: it logs every call and
// delivers scripted events from inside its waits, where a real window would.
class ScriptedWindow : public GameWindow {
public:
    ScriptedWindow() : controller(state, *this) { state.CellSize = 30; }

    GameState state;
    TurnController controller;
    std::vector<std::string> log;
    long long clockMs = 0;
    std::vector<int16_t> scores;

    // Runs once, right after the loop's first DrawBoard (after InitBoard).
    std::function<void(GameState&)> setUp;
    // Supplies input when the script has none left; without it the script
    // ending means the window was closed.
    std::function<void()> policy;

    void Add(At at, std::string name, std::function<void()> run) {
        script_.push_back({at, std::move(name), std::move(run)});
    }
    void Click(int row, int col, At at = At::Wait) { ClickAt(30 * col + 15, 30 * row + 15, at); }
    void ClickAt(float x, float y, At at = At::Wait) {
        Add(at, "click", [this, x, y] { controller.picV_MouseUp(x, y); });
    }
    void Type(char c, At at = At::Wait) {
        Add(at, "key", [this, c] { controller.Form_KeyPress(c); });
    }
    void Start(std::optional<int16_t> colour, At at = At::Wait) {
        Add(at, "start", [this, colour] {
            colourAnswer_ = colour;
            controller.mnuGameStatus_Click();
        });
    }
    void Stop(bool yes, At at = At::Wait) {
        Add(at, "stop", [this, yes] {
            stopAnswer_ = yes;
            controller.mnuGameStatus_Click();
        });
    }
    void Close(At at = At::Wait) {
        Add(at, "close", [this] { closed_ = true; });
    }
    bool scriptDone() const { return script_.empty(); }

    // Starts a game from the stopped window, as the Start command does.
    void StartGame(std::optional<int16_t> colour) {
        colourAnswer_ = colour;
        controller.mnuGameStatus_Click();
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
        log.push_back("mark " + std::to_string(row) + "," + std::to_string(col));
        return Pause(500);
    }
    bool ShowGained(int count) override {
        log.push_back("gained " + std::to_string(count));
        return Pause(1000);
    }
    void SnapshotBoard() override { log.push_back("snapshot"); }
    bool Pause(int ms) override {
        log.push_back("pause " + std::to_string(ms));
        Deliver(At::Pause);
        clockMs += ms;
        return !closed_;
    }
    bool WaitForInput() override {
        while (state.AwaitingInput && !state.StopFlag) {
            if (closed_) {
                return false;
            }
            if (!script_.empty()) {
                if (script_.front().at != At::Wait) {
                    ADD_FAILURE() << "the script expects a " << script_.front().name
                                  << " elsewhere, but the loop waits for the human";
                    closed_ = true;
                    return false;
                }
                RunFront();
            } else if (policy) {
                policy();
            } else {
                closed_ = true;
            }
        }
        return !closed_;
    }
    bool YieldToEvents() override {
        ++yields;
        Deliver(At::Search);
        return !closed_;
    }
    void ShowBoardPicture(bool visible) override {
        log.push_back(visible ? "board shown" : "board hidden");
    }
    void Beep() override { log.push_back("beep"); }
    void ShowOutsideBoard() override { log.push_back("box: Outside playing board area!"); }
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
        scores.push_back(humanCount);
    }
    RandomSource& Random() override { return random; }

    DefaultRandomSource random;
    int yields = 0;

private:
    struct Event {
        At at;
        std::string name;
        std::function<void()> run;
    };

    void RunFront() {
        Event event = std::move(script_.front());
        script_.pop_front();
        event.run();
    }
    void Deliver(At at) {
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
