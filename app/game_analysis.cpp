#include "app/game_analysis.h"

namespace tarvo {

GameAnalysis::GameAnalysis(const Replay& replay, AnalysisDepth depth) : depth_(depth) {
    for (std::size_t i = 0; i < replay.steps.size(); ++i) {
        const GameStep& step = replay.steps[i];
        if (step.cell != kPassMove) {
            placements_.push_back(static_cast<int>(i));
            positions_.push_back(step.before);
            movers_.push_back(step.colour);
            cells_.push_back(step.cell);
        }
    }
    positions_.push_back(replay.last);
    movers_.push_back(replay.toMove);
    scores_.resize(positions_.size());
    moves_.resize(placements_.size());
}

GameAnalysis::PositionScore GameAnalysis::Score(engine::Searcher& searcher,
                                                const engine::Position& p,
                                                const std::atomic<bool>& stop,
                                                const engine::PatternWeights* weights) const {
    const bool over = engine::Moves(p) == 0 && engine::Moves(p.theirs, p.mine) == 0;
    if (over || p.Empties() <= depth_.exactFrom) {
        const engine::Result r = searcher.Solve(p, stop, weights);
        return {r.score, r.cell, r.exact};
    }
    if (engine::Moves(p) == 0) {
        const PositionScore other = Score(searcher, engine::Pass(p), stop, weights);
        return {-other.score, kPassMove, other.exact};
    }
    engine::Limits limits{depth_.search, {}, 0};
    limits.weights = weights;
    const engine::Result r = searcher.Search(p, limits, stop);
    return {r.discs, r.cell, r.exact};
}

GameAnalysis::Value GameAnalysis::ValueOf(int position) const {
    const auto j = static_cast<std::size_t>(position);
    return {movers_[j] == Black ? scores_[j].score : -scores_[j].score, scores_[j].exact};
}

std::optional<GameAnalysis::Scoring> GameAnalysis::Next(engine::Searcher& searcher,
                                                        const std::atomic<bool>& stop,
                                                        const engine::PatternWeights* weights) {
    if (Finished() || stop) {
        return std::nullopt;
    }
    const std::size_t j = positions_.size() - 1 - static_cast<std::size_t>(scored_);
    const PositionScore scored = Score(searcher, positions_[j], stop, weights);
    if (stop) {
        return std::nullopt;
    }
    scores_[j] = scored;
    ++scored_;
    if (j + 1 == positions_.size()) {
        return Scoring{static_cast<int>(j), std::nullopt};
    }
    // The position after the move is the next one, seen from its side to
    // move: the opponent's, unless the opponent had to pass.
    const PositionScore& after = scores_[j + 1];
    MoveAnalysis& move = moves_[j];
    move.best = scored.score;
    move.bestCell = scored.cell;
    move.played = movers_[j + 1] == movers_[j] ? after.score : -after.score;
    move.exact = scored.exact && after.exact;
    // The best move played scores as best, whatever a shallower look after it says.
    if (scored.cell == cells_[j]) {
        move.played = move.best;
    }
    return Scoring{static_cast<int>(j), static_cast<int>(j)};
}

} // namespace tarvo
