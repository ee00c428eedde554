#include "app/game_listeners.h"

#include "app/game_texts.h"
#include "app/main_actions.h"
#include "common/error_trap.h"
#include "scores/score_table.h"
#include "scores/statistics.h"

#include <QCoreApplication>

namespace tarvo {

void BoardListener::operator()(const SessionEvent& e) const {
    const GameState& s = session_->state();
    if (std::holds_alternative<event::BoardDrawn>(e)) {
        display_->DrawBoard(s);
    } else if (const auto* turn = std::get_if<event::TurnStarted>(&e)) {
        display_->ShowTurnOwner(turn->colour,
                                TurnName(turn->colour, turn->human, session_->OnePerson()));
    } else if (const auto* mark = std::get_if<event::MoveMarked>(&e)) {
        display_->MarkMove(s, mark->row, mark->col);
    } else if (const auto* move = std::get_if<event::MovePlayed>(&e)) {
        display_->ShowGained(static_cast<int>(move->turned.size()));
    } else if (std::holds_alternative<event::BoardKept>(e)) {
        // Kept before the placement is counted: the picture of this move.
        display_->SnapshotBoard(s.MoveCount);
    } else if (const auto* restored = std::get_if<event::BoardRestored>(&e)) {
        display_->RestoreSnapshot(restored->moveCount);
    } else if (const auto* hidden = std::get_if<event::BoardHidden>(&e)) {
        picV_->setVisible(!hidden->hidden);
    } else if (const auto* running = std::get_if<event::RunningChanged>(&e);
               running != nullptr && running->running) {
        display_->ForgetSnapshots();
    }
}

void StatusListener::operator()(const SessionEvent& e) const {
    if (const auto* status = std::get_if<event::StatusShown>(&e)) {
        line_->setText(StatusText(status->status, status->colour, session_->OnePerson()));
    }
}

void SpeechListener::operator()(const SessionEvent& e) const {
    const auto say = [this](int16_t colour, int row, int col) {
        const QString who = ColourName(colour);
        // Setting it sends the change to a screen reader.
        picV_->setAccessibleDescription(
            row == 0 ? QCoreApplication::translate("frmOthello", "%1 passes").arg(who)
                     : QCoreApplication::translate("frmOthello", "%1 plays row %2, column %3")
                           .arg(who)
                           .arg(row)
                           .arg(col));
    };
    if (const auto* move = std::get_if<event::MovePlayed>(&e)) {
        say(move->colour, move->row, move->col);
    } else if (const auto* pass = std::get_if<event::Passed>(&e)) {
        say(pass->colour, 0, 0);
    }
}

void ScoreListener::operator()(const SessionEvent& e) const {
    const auto* over = std::get_if<event::GameOver>(&e);
    if (over != nullptr && !over->assisted && session_->OnePerson()) {
        const int16_t person = session_->state().HumanColor;
        Record(*scores_, over->counts[person == Black ? 0 : 1], over->weakest, window_);
    }
}

void ScoreListener::Record(ScoreRecords& scores, int16_t count, Level level, QWidget* window) {
    scores.UseSection(QString::fromLatin1(InfoOf(level).scoreSection));
    Trapped(window, [&scores, count] { scores.RecordScore(count); });
}

void StatisticsListener::operator()(const SessionEvent& e) const {
    const auto* over = std::get_if<event::GameOver>(&e);
    const bool black = session_->PlayerOf(Black).human;
    const bool white = session_->PlayerOf(White).human;
    if (over == nullptr || !(black || white)) {
        return;
    }
    FinishedGame game{FinishedGame::Kind::TwoPlayers, {}, true, over->counts[0], over->counts[1]};
    if (session_->OnePerson()) {
        game.kind = over->assisted ? FinishedGame::Kind::WithHelp : FinishedGame::Kind::Alone;
        game.level = QString::fromLatin1(InfoOf(over->weakest).name);
        game.black = black;
        if (!black) {
            std::swap(game.discs, game.others);
        }
    }
    Trapped(window_, [&] {
        QStringList damaged;
        store_->Update(kScoreApp, kStatisticsSection, [&](const KeyValues& stored) {
            return Statistics::Count(stored, game, damaged);
        });
        if (!damaged.isEmpty()) {
            throw RuntimeError(
                75,
                QCoreApplication::translate("SettingsStore", "Path/File access error: %1: %2")
                    .arg(store_->filePath(),
                         QCoreApplication::translate(
                             "StatisticsSheet",
                             "the statistics line \"%1\" cannot be read and was left as it is")
                             .arg(damaged.join(QStringLiteral(", "))))
                    .toStdString(),
                RuntimeError::Report::Once);
        }
    });
}

} // namespace tarvo
