#pragma once

#include "app/game_session.h"
#include "scores/score_table.h"
#include "view/board_display.h"

#include <QLabel>

namespace tarvo {

// Each follows one part of the game as its events come; the driver hands
// every event to each of them in turn.

// The board pictures: the board, the marks, the turn and gain labels, and
// the board before the latest move for V.
class BoardListener {
public:
    BoardListener(BoardDisplay& display, QWidget* picV, const GameSession& session)
        : display_(&display), picV_(picV), session_(&session) {}
    void operator()(const SessionEvent& event) const;

private:
    BoardDisplay* display_;
    QWidget* picV_;
    const GameSession* session_;
};

// The status line.
class StatusListener {
public:
    StatusListener(QLabel* line, const GameSession& session) : line_(line), session_(&session) {}
    void operator()(const SessionEvent& event) const;

private:
    QLabel* line_;
    const GameSession* session_;
};

// What a screen reader hears: every move and pass, through the board's
// description.
class SpeechListener {
public:
    explicit SpeechListener(QWidget* picV) : picV_(picV) {}
    void operator()(const SessionEvent& event) const;

private:
    QWidget* picV_;
};

// A game of one person against the computer, played to its end without a
// hint, an undo or a redo, enters the person's count in the ten best of the
// weakest level the computer played at.
class ScoreListener {
public:
    ScoreListener(ScoreRecords& scores, const GameSession& session, QWidget* window)
        : scores_(&scores), session_(&session), window_(window) {}
    void operator()(const SessionEvent& event) const;
    // Enters the count in the level's table; a failure is shown in a box.
    static void Record(ScoreRecords& scores, int16_t count, Level level, QWidget* window);

private:
    ScoreRecords* scores_;
    const GameSession* session_;
    QWidget* window_;
};

// Every finished game a person played enters the statistics: against the
// computer by the weakest level and the person's colour, or apart when a
// hint, an undo or a redo was used; two people's games apart as well.
class StatisticsListener {
public:
    StatisticsListener(SettingsStore& store, const GameSession& session, QWidget* window)
        : store_(&store), session_(&session), window_(window) {}
    void operator()(const SessionEvent& event) const;

private:
    SettingsStore* store_;
    const GameSession* session_;
    QWidget* window_;
};

} // namespace tarvo
