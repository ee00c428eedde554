#include "app/turn_controller.h"

#include "game/computer_player.h"
#include "game/rules.h"

#include <cmath>

namespace tarvo {

namespace {

constexpr int16_t kKeyV = 86;

} // namespace

template <typename Body> void TurnController::Trap(Body&& body) {
    try {
        body();
    } catch (const RuntimeError& error) {
        window_.ShowError(error);
    }
}

bool TurnController::MustReturn(bool waitCompleted) {
    if (!waitCompleted) {
        quitting_ = true;
    }
    return quitting_ || s_.StopFlag;
}

void TurnController::ShowStatus(const std::string& text) {
    Trap([&] { window_.ShowStatus(text); });
}

void TurnController::mnuGameStatus_Click() {
    Trap([&] {
        if (quitting_) {
            return;
        }
        if (running_) {
            if (window_.ConfirmStop()) {
                StopGame();
            }
            return;
        }
        const std::optional<int16_t> colour = window_.ChooseColour();
        if (!colour) {
            return;
        }
        s_.HumanColor = *colour == 1 ? White : Black;
        s_.CompColor = OpponentOf(s_.HumanColor);
        running_ = true;
        window_.ShowRunning(true);
        s_.StopFlag = false;
        PlayGame();
    });
}

void TurnController::StopGame() {
    Trap([&] {
        s_.StopFlag = true;
        running_ = false;
        window_.ShowRunning(false);
        ShowStatus(TARVO_TEXT("Game stopped"));
    });
}

void TurnController::PlayGame() {
    Trap([&] {
        InitBoard(s_);
        history_.clear();
        undone_.clear();
        undoRequested_ = false;
        redoRequested_ = false;
        assisted_ = false;
        window_.ShowBoardPicture(true);
        window_.DrawBoard();
        bool humanWasClosedIn = false;
        enum class Step { HumanTurn, HumanChoice, ComputerTurn };
        Step step = s_.CompColor == Black ? Step::ComputerTurn : Step::HumanTurn;
        for (;;) {
            switch (step) {
            case Step::HumanTurn:
                if (history_.empty() || history_.back().MoveCount != s_.MoveCount) {
                    history_.push_back(s_);
                }
                ShowStatus(TARVO_TEXT("Your turn ..."));
                window_.ShowTurnOwner("you");
                step = Step::HumanChoice;
                break;

            case Step::HumanChoice: {
                WaitForClick();
                if (MustReturn()) {
                    return;
                }
                if (undoRequested_ || redoRequested_) {
                    if (undoRequested_) {
                        undone_.push_back(history_.back());
                        history_.pop_back();
                    } else {
                        history_.push_back(undone_.back());
                        undone_.pop_back();
                    }
                    undoRequested_ = redoRequested_ = false;
                    s_ = history_.back();
                    window_.RestoreSnapshot(s_.MoveCount);
                    window_.DrawBoard();
                    step = Step::HumanTurn;
                    break;
                }
                const int row = s_.HumanRow;
                const int col = s_.HumanCol;
                if (s_.Board(row, col) != Empty) {
                    ShowStatus(TARVO_TEXT("Cell already taken !"));
                    window_.Beep();
                    if (MustReturn(window_.Pause(1000))) {
                        return;
                    }
                    ShowStatus(TARVO_TEXT("It's your turn !"));
                    break; // choose again, without "Your turn ..."
                }
                // The mark shows before the move's legality is known.
                if (MustReturn(window_.MarkMove(row, col))) {
                    return;
                }
                const int16_t gained = FlipPieces(s_, row, col, s_.HumanColor);
                if (gained == 0) {
                    ShowStatus(TARVO_TEXT("Illegal move !"));
                    if (MustReturn(window_.Pause(1000))) {
                        return;
                    }
                    window_.DrawBoard();
                    step = Step::HumanTurn;
                    break;
                }
                s_.Board(row, col) = s_.HumanColor;
                undone_.clear();
                window_.Announce(s_.HumanColor, row, col);
                if (MustReturn(window_.ShowGained(gained))) {
                    return;
                }
                window_.SnapshotBoard();
                window_.DrawBoard();
                if (!CheckAllTurnsPlayed()) {
                    return;
                }
                step = Step::ComputerTurn;
                break;
            }

            case Step::ComputerTurn: {
                ShowStatus(TARVO_TEXT("My turn now ..."));
                window_.ShowTurnOwner("comp");
                int row = 0;
                int col = 0;
                if (!ChooseComputerMove(row, col)) {
                    return;
                }
                if (row == 0) {
                    if (humanWasClosedIn) {
                        ReportResult(TARVO_TEXT("I'm closed in - game is over !"));
                        StopGame();
                        return;
                    }
                    ShowStatus(TARVO_TEXT("I Pass"));
                    window_.Announce(s_.CompColor, 0, 0);
                    if (MustReturn(window_.Pause(2000))) {
                        return;
                    }
                    humanWasClosedIn = IsHumanClosedIn(s_);
                    if (!humanWasClosedIn) {
                        step = Step::HumanTurn;
                        break;
                    }
                    ReportResult(TARVO_TEXT("You're closed in - game is over !"));
                    StopGame();
                    return;
                }
                s_.CompRow = static_cast<int16_t>(row);
                s_.CompCol = static_cast<int16_t>(col);
                if (MustReturn(window_.MarkMove(s_.CompRow, s_.CompCol))) {
                    return;
                }
                // A candidate or a searched move always turns a piece: no test needed.
                const int16_t gained = FlipPieces(s_, s_.CompRow, s_.CompCol, s_.CompColor);
                s_.Board(s_.CompRow, s_.CompCol) = s_.CompColor;
                window_.Announce(s_.CompColor, s_.CompRow, s_.CompCol);
                if (MustReturn(window_.ShowGained(gained))) {
                    return;
                }
                window_.SnapshotBoard();
                window_.DrawBoard();
                if (!CheckAllTurnsPlayed()) {
                    return;
                }
                humanWasClosedIn = IsHumanClosedIn(s_);
                if (!humanWasClosedIn) {
                    step = Step::HumanTurn;
                    break;
                }
                ShowStatus(TARVO_TEXT("You have to pass ..."));
                window_.Announce(s_.HumanColor, 0, 0);
                if (MustReturn(window_.Pause(2000))) {
                    return;
                }
                break; // the computer moves again
            }
            }
        }
    });
}

bool TurnController::ChooseComputerMove(int& row, int& col) {
    // The weights follow the game at every level, so that a change back to
    // the classic player finds them as it left them.
    AdjustWeights(s_);
    const GameWindow::SearchedMove searched = window_.SearchMove();
    if (MustReturn(searched.completed)) {
        return false;
    }
    if (!searched.classic) {
        row = searched.row;
        col = searched.col;
        return true;
    }
    bool yielded = true;
    const BestMove best =
        SelectBestMoves(s_, [&] { yielded = yielded && window_.YieldToEvents(); });
    if (MustReturn(yielded)) {
        return false;
    }
    if (best.BestWeight >= 1) {
        const int16_t i = ChooseCandidate(s_.BestCount, window_.Random());
        row = s_.BestRow(i);
        col = s_.BestCol(i);
    }
    return true;
}

void TurnController::WaitForClick() {
    Trap([&] {
        for (;;) {
            s_.HumanRow = 0;
            s_.HumanCol = 0;
            s_.AwaitingInput = true;
            const bool completed = window_.WaitForInput();
            if (MustReturn(completed)) {
                s_.AwaitingInput = false;
                return;
            }
            if (undoRequested_ || redoRequested_ || !IsOutside(s_.HumanRow, s_.HumanCol)) {
                return;
            }
            window_.ShowOutsideBoard();
        }
    });
}

bool TurnController::CheckAllTurnsPlayed() {
    bool goOn = false;
    Trap([&] {
        s_.MoveCount = CheckedInt16(s_.MoveCount + 1);
        if (s_.MoveCount == 60) {
            ReportResult(TARVO_TEXT("All turns played."));
            StopGame();
            return;
        }
        goOn = true;
    });
    return goOn;
}

void TurnController::ReportResult(const std::string& reason) {
    Trap([&] {
        s_.StopFlag = true;
        int16_t comp = 0;
        int16_t human = 0;
        for (int r = 1; r <= 8; ++r) {
            for (int c = 1; c <= 8; ++c) {
                if (s_.Board(r, c) == s_.CompColor) {
                    comp = CheckedInt16(comp + 1);
                } else if (s_.Board(r, c) == s_.HumanColor) {
                    human = CheckedInt16(human + 1);
                }
            }
        }
        if (!assisted_) {
            window_.RecordScore(human);
        }
        std::string line;
        std::string verdict;
        if (human == comp) {
            line = TARVO_TEXT("We both has equal scores.");
            verdict = TARVO_TEXT("Draw");
        } else {
            line = "You gained " + std::to_string(human) + " pieces, I gained " +
                   std::to_string(comp) + ".";
            verdict = human > comp ? TARVO_TEXT("Well done - you won !")
                                   : TARVO_TEXT("You lost this game !");
        }
        window_.ShowResult(
            reason + "\r\n" + line + "\r\n" + verdict +
            (assisted_ ? std::string("\r\n") + TARVO_TEXT("With a hint or an undo, this game "
                                                          "does not enter the score sheet.")
                       : ""));
    });
}

bool TurnController::CanUndo() const {
    return running_ && s_.AwaitingInput && !s_.StopFlag && history_.size() > 1;
}

bool TurnController::CanRedo() const {
    return running_ && s_.AwaitingInput && !s_.StopFlag && !undone_.empty();
}

void TurnController::Redo() {
    if (!CanRedo()) {
        return;
    }
    redoRequested_ = true;
    s_.AwaitingInput = false;
}

void TurnController::Undo() {
    if (!CanUndo()) {
        return;
    }
    undoRequested_ = true;
    assisted_ = true;
    s_.AwaitingInput = false;
}

void TurnController::picV_MouseUp(float x, float y) {
    Trap([&] {
        if (!s_.AwaitingInput) {
            return;
        }
        s_.HumanCol = CheckedInt16(static_cast<long long>(std::floor(x / s_.CellSize)));
        s_.HumanRow = CheckedInt16(static_cast<long long>(std::floor(y / s_.CellSize)));
        s_.AwaitingInput = false;
    });
}

int16_t TurnController::Form_KeyPress(int16_t keyAscii) {
    Trap([&] {
        if (!s_.AwaitingInput || keyAscii <= '0' || keyAscii >= '9') {
            return;
        }
        const int16_t digit = static_cast<int16_t>(keyAscii - '0');
        if (s_.HumanRow == 0) {
            s_.HumanRow = digit;
        } else if (s_.HumanCol == 0) {
            s_.HumanCol = digit;
            s_.AwaitingInput = false;
            keyAscii = 0;
        } else {
            keyAscii = 0;
        }
    });
    return keyAscii;
}

void TurnController::Form_KeyDown(int keyCode) {
    Trap([&] {
        if (keyCode == kKeyV && s_.MoveCount > 1) {
            window_.ShowBoardPicture(false);
        }
    });
}

void TurnController::Form_KeyUp(int keyCode) {
    // Whatever the count, so that a release after a box or a new game never
    // leaves the board hidden.
    if (keyCode == kKeyV) {
        window_.ShowBoardPicture(true);
    }
}

} // namespace tarvo
