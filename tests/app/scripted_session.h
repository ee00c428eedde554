#pragma once

#include "app/game_session.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tarvo::test {

// A driver for the session: it logs every event and request, answers each
// request at once and delivers scripted events where a real window would,
// inside a pause, a search or the wait for a person. The end of the script
// closes the window.
class ScriptedDriver : public SessionDriver {
public:
    ScriptedDriver() { session.state().CellSize = 30; }

    GameSession session{*this};
    std::vector<std::string> log;
    DefaultRandomSource random;
    // Runs once, right after the game's first drawing (after InitBoard).
    std::function<void(GameState&)> setUp;
    // The move a stronger level finds, as row * 10 + column (0 for a pass);
    // none at the classic level.
    std::optional<int> engineMove;
    // The players of a game started by "b" or "w": the person and the
    // computer, or these when set.
    std::optional<std::pair<Player, Player>> players;
    // Where a game started by "b" or "w" begins.
    GameStart from;

    // Events separated by blanks: "35" a release over row 3, column 5;
    // "x15,100" a release at that pixel; "k7" the key 7; "s+" or "s-" Stop
    // answered Yes or No; "b" or "w" Start choosing Black or White; "q" the
    // window closed; "u" Undo; "r" Redo; "h" a hint shown. "@p" after an
    // event delivers it inside the next pause, "@s" inside the computer's
    // search, and otherwise in a wait for a person.
    void Script(const std::string& events) {
        std::istringstream in(events);
        for (std::string e; in >> e;) {
            const auto at = e.find('@');
            script_.push_back({at == std::string::npos ? 'w' : e[at + 1], e.substr(0, at)});
        }
    }
    // Starts a game as the Start command does (0 Black, 1 White), and runs it
    // until it ends or the window closes.
    void StartGame(std::optional<int16_t> colour) {
        colourAnswer_ = colour;
        StartCommand();
        Run();
    }
    // The log entries, each followed by "|", and "end".
    std::string Log() const {
        std::string text;
        for (const std::string& entry : log) {
            text += entry + "|";
        }
        return text + "end";
    }

    void Emit(const SessionEvent& e) override;
    void RequestDelay(int ms) override {
        log.push_back("pause " + std::to_string(ms));
        Request('p');
    }
    void RequestSearch(const GameState&, int16_t, Level) override { Request('s'); }
    void RequestBox() override { Request('b'); }
    void CancelRequests() override { Request(0); }
    RandomSource& Random() override { return random; }

private:
    struct Event {
        char at;
        std::string what;
    };

    void Request(char kind) {
        pending_ = kind;
        ++ticket_;
    }
    void StartCommand() {
        if (session.running()) {
            log.push_back("confirm stop");
            if (stopAnswer_) {
                session.Stop();
            }
            return;
        }
        log.push_back("colour dialog");
        if (!colourAnswer_) {
            return;
        }
        const Player person{true, Level::Classic};
        const Player computer{false, engineMove ? Level::Strong : Level::Classic};
        const auto [black, white] = players               ? *players
                                    : *colourAnswer_ == 1 ? std::pair{computer, person}
                                                          : std::pair{person, computer};
        session.Start(black, white, from);
    }
    void Run();
    void RunEvent(const std::string& e);
    // Runs the script's events due at `at`; false when the window closed.
    bool Deliver(char at) {
        while (!closed_ && !script_.empty() && script_.front().at == at) {
            const std::string e = script_.front().what;
            script_.pop_front();
            RunEvent(e);
        }
        return !closed_;
    }

    std::deque<Event> script_;
    std::optional<int16_t> colourAnswer_;
    bool stopAnswer_ = false;
    bool closed_ = false;
    char pending_ = 0;
    int ticket_ = 0;
};

inline void ScriptedDriver::Run() {
    while (!closed_) {
        const char pending = std::exchange(pending_, 0);
        const int ticket = ticket_;
        if (pending == 'p' || pending == 's') {
            // Events in a pause or a search may stop the game or start another.
            if (!Deliver(pending) || ticket != ticket_) {
                continue;
            }
            if (pending == 'p') {
                session.DelayOver();
            } else {
                session.SearchAnswered(*engineMove / 10, *engineMove % 10);
            }
        } else if (pending == 'b') {
            session.BoxClosed();
        } else if (session.state().AwaitingInput && !session.state().StopFlag) {
            if (script_.empty()) {
                closed_ = true;
                break;
            }
            EXPECT_EQ(script_.front().at, 'w') << "the game waits for a person";
            const std::string e = script_.front().what;
            script_.pop_front();
            RunEvent(e);
        } else {
            break;
        }
    }
}

inline void ScriptedDriver::RunEvent(const std::string& e) {
    const float size = static_cast<float>(session.state().CellSize);
    const auto release = [&](float x, float y) {
        session.ChooseCell(static_cast<int>(std::floor(y / size)),
                           static_cast<int>(std::floor(x / size)));
    };
    if (e[0] == 'x') {
        const auto comma = e.find(',');
        release(std::stof(e.substr(1, comma - 1)), std::stof(e.substr(comma + 1)));
    } else if (e[0] == 'k') {
        session.KeyPress(e[1]);
    } else if (e[0] == 's' || e[0] == 'b' || e[0] == 'w') {
        stopAnswer_ = e == "s+";
        colourAnswer_ = e == "w" ? 1 : 0;
        StartCommand();
    } else if (e[0] == 'q') {
        closed_ = true;
    } else if (e[0] == 'u') {
        session.Undo();
    } else if (e[0] == 'r') {
        session.Redo();
    } else if (e[0] == 'h') {
        session.NoteHint();
    } else {
        release(size * static_cast<float>(e[1] - '0') + size / 2,
                size * static_cast<float>(e[0] - '0') + size / 2);
    }
}

inline void ScriptedDriver::Emit(const SessionEvent& e) {
    const bool one = session.OnePerson();
    const auto colourName = [](int16_t colour) {
        return std::string(colour == Black ? "Black" : "White");
    };
    const auto cell = [](int row, int col) { return std::to_string(row) + std::to_string(col); };
    if (const auto* status = std::get_if<event::StatusShown>(&e)) {
        const std::string who = colourName(status->colour);
        const char* texts[] = {"Your turn ...",        "It's your turn !", "Cell already taken !",
                               "Illegal move !",       "My turn now ...",  "I Pass",
                               "You have to pass ...", "Game stopped"};
        std::string text = texts[static_cast<int>(status->status)];
        if (!one && status->status == Status::YourTurn) {
            text = who + "'s turn";
        } else if (!one && (status->status == Status::ComputerPasses ||
                            status->status == Status::PlayerPasses)) {
            text = who + " passes";
        }
        log.push_back("status: " + text);
    } else if (std::holds_alternative<event::BoardDrawn>(e)) {
        log.push_back("draw");
        if (setUp) {
            std::exchange(setUp, nullptr)(session.state());
        }
    } else if (std::holds_alternative<event::BoardKept>(e) ||
               std::holds_alternative<event::Refused>(e) ||
               std::holds_alternative<event::OutsideBoard>(e)) {
        log.push_back(std::holds_alternative<event::BoardKept>(e) ? "snapshot"
                      : std::holds_alternative<event::Refused>(e) ? "beep"
                                                                  : "outside");
    } else if (const auto* turn = std::get_if<event::TurnStarted>(&e)) {
        log.push_back(one ? (turn->human ? "owner: you" : "owner: comp")
                          : "owner: " + colourName(turn->colour));
    } else if (const auto* mark = std::get_if<event::MoveMarked>(&e)) {
        log.push_back("mark " + cell(mark->row, mark->col));
    } else if (const auto* move = std::get_if<event::MovePlayed>(&e)) {
        log.push_back(colourName(move->colour) + " plays " + cell(move->row, move->col));
        log.push_back("gained " + std::to_string(move->turned.size()));
    } else if (const auto* pass = std::get_if<event::Passed>(&e)) {
        log.push_back(colourName(pass->colour) + " passes");
    } else if (const auto* restored = std::get_if<event::BoardRestored>(&e)) {
        log.push_back("restore " + std::to_string(restored->moveCount));
    } else if (const auto* hidden = std::get_if<event::BoardHidden>(&e)) {
        log.push_back(hidden->hidden ? "hidden" : "shown");
    } else if (const auto* running = std::get_if<event::RunningChanged>(&e)) {
        log.push_back(running->running ? "running" : "stopped");
    } else if (const auto* over = std::get_if<event::GameOver>(&e)) {
        const int16_t person = session.state().HumanColor;
        const int16_t mine = over->counts[person == Black ? 0 : 1];
        const int16_t theirs = over->counts[person == Black ? 1 : 0];
        if (one && !over->assisted) {
            log.push_back("score " + std::to_string(mine));
        }
        const char* reasons[] = {"All turns played.", "I'm closed in - game is over !",
                                 "You're closed in - game is over !"};
        std::string text = reasons[static_cast<int>(over->ending)];
        text += mine == theirs
                    ? "\r\nWe both has equal scores.\r\nDraw"
                    : "\r\nYou gained " + std::to_string(mine) + " pieces, I gained " +
                          std::to_string(theirs) + ".\r\n" +
                          (mine > theirs ? "Well done - you won !" : "You lost this game !");
        if (over->assisted) {
            text += "\r\nWith a hint or an undo, this game does not enter the score sheet.";
        }
        log.push_back("result: " + text);
    } else if (const auto* failed = std::get_if<event::Failed>(&e)) {
        log.push_back("error: " + failed->error.message());
    }
}

} // namespace tarvo::test
