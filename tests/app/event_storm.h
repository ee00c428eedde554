#pragma once

#include "app/frm_othello.h"
#include "dialogs/frm_start.h"
#include "game/rules.h"
#include "support/board_diagram.h"
#include "window_fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <random>

namespace tarvo::test {

// Milliseconds that pass ten thousand times faster than real ones, so that a
// pause ends at the first event after a ten-thousandth of its length.
class FastClock : public Clock {
public:
    FastClock() { timer_.start(); }
    qint64 NowMs() override { return timer_.elapsed() * 10000; }

private:
    QElapsedTimer timer_;
};

// The main window, counting every board it draws that is neither the opening,
// nor the last one drawn, nor that one after a legal move, and keeping every
// score it records in a table of its own too.
class CheckedWindow : public frmOthello {
public:
    CheckedWindow(Clock& clock, ScoreRecords& scores, ScoreRecords& expected)
        : frmOthello(clock, scores), expected_(expected) {
        driver().AddListener([this](const SessionEvent& e) {
            if (std::holds_alternative<event::BoardDrawn>(e)) {
                CheckBoard();
            } else if (std::holds_alternative<event::BoardRestored>(e)) {
                // Taking moves back draws an earlier board.
                undone_ = true;
            } else if (const auto* over = std::get_if<event::GameOver>(&e)) {
                ++finished;
                if (!over->assisted) {
                    ++recorded;
                    expected_.AddScore(over->counts[state().HumanColor == Black ? 0 : 1]);
                }
            }
        });
    }
    int illegalBoards = 0;
    int recorded = 0;
    int finished = 0;

private:
    void CheckBoard() {
        GameState opening = state();
        InitBoard(opening);
        if (state().Board != opening.Board && state().Board != last_.Board && !undone_ &&
            !OneMoveOn()) {
            ++illegalBoards;
        }
        undone_ = false;
        last_ = state();
    }
    bool undone_ = false;

    bool OneMoveOn() {
        for (const int16_t colour : {Black, White}) {
            for (const Cell& move : LegalMoves(last_, colour)) {
                GameState played = last_;
                Play(played, move, colour);
                if (played.Board == state().Board) {
                    return true;
                }
            }
        }
        return false;
    }
    ScoreRecords& expected_;
    GameState last_;
};

// Random input to the window from its event loop: clicks on and off the board,
// digits, V, Start and Stop, the score sheet and the about box, and answers
// to whatever window is open.
class EventStorm {
public:
    EventStorm(frmOthello& window, unsigned seed, int events)
        : window_(window), rng_(seed), events_(events) {
        // A timer does not fire again while its handler runs, and an event can
        // open a window or a game: so the timer only posts each event.
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            QMetaObject::invokeMethod(
                &timer_, [this] { Tick(); }, Qt::QueuedConnection);
        });
    }
    // Called with the tick's number before each event; true ends the storm there.
    std::function<bool(int)> endAt = [](int) { return false; };
    // Runs after the last event, once every game has stopped.
    std::function<void()> finished = [] {};
    void Start() { timer_.start(0); }
    void Stop() { timer_.stop(); }
    QStringList errors;
    int ticks = 0;

private:
    int Roll(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    void Tick() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Answer(modal);
        } else if (ticks >= events_) {
            if (window_.session().running()) {
                window_.mnuGameStatus_Click();
            } else {
                timer_.stop();
                finished();
            }
        } else if (window_.session().running() && !window_.state().AwaitingInput && Roll(20) != 0) {
            // Most of the computer's yields pass without an event, or it would never move.
        } else if (endAt(ticks++)) {
            timer_.stop();
        } else {
            Act();
        }
    }
    void Answer(QWidget* modal) {
        if (auto* start = dynamic_cast<frmStart*>(modal)) {
            start->optColor[Roll(2)]->click();
            (Roll(5) == 0 ? start->cmdCancel : start->cmdOK)->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->icon() == QMessageBox::Critical) {
                errors << box->text();
            }
            if (box->button(QMessageBox::Yes) != nullptr) {
                // Stop only now and then, so that games get to their end.
                box->button(ticks >= events_ || Roll(3) == 0 ? QMessageBox::Yes : QMessageBox::No)
                    ->click();
            } else {
                box->defaultButton()->click();
            }
        } else {
            static_cast<QDialog*>(modal)->reject();
        }
    }
    void Act() {
        QWidget* picV = window_.pictures().picV;
        const int roll = Roll(1000);
        if (roll < 300) {
            QTest::mouseClick(picV, Roll(8) == 0 ? Qt::RightButton : Qt::LeftButton, {},
                              {Roll(320) - 15, Roll(310) - 15});
        } else if (roll < 550) {
            const auto moves = LegalMoves(window_.state(), window_.state().HumanColor);
            if (!moves.empty()) {
                const auto [row, col] =
                    moves[static_cast<std::size_t>(Roll(static_cast<int>(moves.size())))];
                QTest::mouseClick(picV, Qt::LeftButton, {}, {col * 30 + 15, row * 30 + 15});
            }
        } else if (roll < 760) {
            QTest::keyClick(KeyReceiver(window_), static_cast<Qt::Key>(Qt::Key_0 + Roll(10)));
        } else if (roll < 800) {
            const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                    Qt::Key_Down, Qt::Key_Return, Qt::Key_Space};
            QTest::keyClick(KeyReceiver(window_), keys[Roll(6)]);
        } else if (roll < 840) {
            Roll(2) == 0 ? QTest::keyPress(KeyReceiver(window_), Qt::Key_V)
                         : QTest::keyRelease(KeyReceiver(window_), Qt::Key_V);
        } else if (roll < 842) {
            const char* aids[] = {"mnuGameUndo", "mnuGameRedo", "mnuGameHint"};
            window_.menuItem(aids[Roll(3)])->trigger();
        } else if (roll < 843) {
            window_.menuItem("mnuGameLegal")->trigger();
        } else if (roll < 844) {
            (Roll(2) == 0 ? window_.actions().score : window_.actions().about)->trigger();
        } else if (roll < 880 && (!window_.session().running() || Roll(40) == 0)) {
            window_.mnuGameStatus()->trigger();
        }
    }

    frmOthello& window_;
    std::mt19937 rng_;
    int events_;
    QTimer timer_;
};

} // namespace tarvo::test
