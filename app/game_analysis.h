#pragma once

#include "app/game_record.h"
#include "engine/search.h"

#include <atomic>
#include <optional>
#include <vector>

namespace tarvo {

// What a move cost: the score of the best move and of the move played, in
// final discs for the side that played it. Exact when the solver could reach
// the end from the position, otherwise an estimate of the search.
struct MoveAnalysis {
    int best = 0;
    int played = 0;
    int bestCell = kPassMove;
    bool exact = false;
    // Discs given away; a search that sees less deep after the move can find
    // it better than its best, which is no gain.
    int Lost() const { return std::max(0, best - played); }
};

struct AnalysisDepth {
    int search = 10;    // the search's depth where the solver cannot reach
    int exactFrom = 20; // empty cells from which the solver scores exactly
};

// Scores every move of a game, one position at a time, from the end back to
// the first move: the solver's results near the end help it further back.
class GameAnalysis {
public:
    explicit GameAnalysis(const Replay& replay, AnalysisDepth depth = {});

    // The moves that place a disc, in order: their steps in the replay.
    const std::vector<int>& placements() const { return placements_; }
    int Positions() const { return static_cast<int>(positions_.size()); }
    int Scored() const { return scored_; }
    bool Finished() const { return scored_ == Positions(); }
    // The position scored, numbered as the placement before which it stands
    // (the last position is placements().size()), with the placement whose
    // analysis that completed, if one did.
    struct Scoring {
        int position;
        std::optional<int> placement;
    };
    // Scores one more position, with the trained evaluation when given;
    // nothing when all are scored or it was stopped.
    std::optional<Scoring> Next(engine::Searcher& searcher, const std::atomic<bool>& stop,
                                const engine::PatternWeights* weights = nullptr);
    // Black's final disc difference with best play from a scored position.
    struct Value {
        int black = 0;
        bool exact = false;
    };
    Value ValueOf(int position) const;
    // The analysis of placement k, once Next has returned k or a smaller one.
    const MoveAnalysis& Move(int k) const { return moves_[static_cast<std::size_t>(k)]; }

private:
    struct PositionScore {
        int score = 0;
        int cell = kPassMove;
        bool exact = false;
    };
    PositionScore Score(engine::Searcher& searcher, const engine::Position& p,
                        const std::atomic<bool>& stop, const engine::PatternWeights* weights) const;

    AnalysisDepth depth_;
    std::vector<int> placements_;
    // The position before each placement and the last one, each seen from
    // the side to move there, and that side.
    std::vector<engine::Position> positions_;
    std::vector<int16_t> movers_;
    std::vector<int> cells_; // the cell played from each
    std::vector<PositionScore> scores_;
    std::vector<MoveAnalysis> moves_;
    int scored_ = 0;
};

} // namespace tarvo
