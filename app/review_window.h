#pragma once

#include "app/game_analysis.h"
#include "app/game_session.h"

#include <QCoreApplication>
#include <QDialog>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace tarvo {

class ReviewBoard;
class ScoreGraph;

// The review of one game: each position with its move marked, what each
// move cost against the best, a graph of the score and the costliest moves.
// The analysis runs on a thread of its own and fills in as it goes; the
// window answers throughout, and closing it stops the analysis.
class ReviewWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ReviewWindow)

public:
    // `playFrom` starts a game from the moves up to the shown position.
    ReviewWindow(GameRecord record, std::function<void(const GameStart&)> playFrom, QWidget* parent,
                 AnalysisDepth depth = {});
    ~ReviewWindow() override;

    // Row 0 is the start, row i + 1 the position after step i of the game.
    void ShowRow(int row);
    int shownRow() const;
    QListWidget* moveList() const { return list_; }
    QLabel* verdict() const { return verdict_; }
    QLabel* costliest() const { return costliest_; }
    QPushButton* playFromHere() const { return playFromHere_; }
    bool analysing() const { return !finished_; }
    void StopAnalysis();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the analysis found at one position, handed to the window's thread.
    struct Result {
        int position;
        GameAnalysis::Value value;
        std::optional<int> placement;
        std::optional<MoveAnalysis> move;
        int scored;
    };
    void Scored(const Result& result);
    QString RowText(int row, bool spoken) const;
    void UpdateRow(int row);
    void ShowCostliest();
    int RowOfPlacement(int k) const {
        return analysis_.placements()[static_cast<std::size_t>(k)] + 1;
    }
    std::optional<int> PlacementOfRow(int row) const;
    const GameStep& StepOf(std::size_t placement) const {
        return record_.replay.steps[static_cast<std::size_t>(analysis_.placements()[placement])];
    }
    void CopyTranscript() const;

    GameRecord record_;
    std::function<void(const GameStart&)> playFrom_;
    GameAnalysis analysis_;
    std::vector<std::optional<MoveAnalysis>> moves_;         // by placement, as scored
    std::vector<std::optional<GameAnalysis::Value>> values_; // by position
    bool finished_ = false;

    ReviewBoard* board_;
    ScoreGraph* graph_;
    QListWidget* list_;
    QLabel* verdict_;
    QLabel* costliest_;
    QProgressBar* progress_;
    QPushButton* stop_;
    QPushButton* playFromHere_;

    std::atomic<bool> stopping_{false};
    std::jthread worker_; // last, so that it ends before the rest goes
};

} // namespace tarvo
