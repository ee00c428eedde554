// Measures how well the evaluation predicts a game's result. It plays games
// from random openings with a short search and some random moves, stops each
// at 20 to 24 empty cells, and solves the position exactly. For the
// evaluation (depth 0) and for a search of DEPTH it fits the number of
// evaluation points worth one disc, and reports the mean absolute error in
// discs with that factor. "eval_bench [POSITIONS [DEPTH [SEED]]]", 300, 6, 1.
#include "engine/search.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using namespace tarvo::engine;

// A random legal move of `p`, -1 to pass.
int RandomMove(const Position& p, std::mt19937& rng) {
    Bits moves = Moves(p);
    if (moves == 0) {
        return -1;
    }
    for (auto skip = rng() % static_cast<unsigned>(Count(moves)); skip > 0; --skip) {
        moves &= moves - 1;
    }
    return std::countr_zero(moves);
}

// A position of a game at `empties` empty cells with a move to make, or none
// when the game ended or passed into it.
bool PlayTo(int empties, std::mt19937& rng, Searcher& searcher, Position& p) {
    const std::atomic<bool> go{false};
    p = Opening();
    while (p.Empties() > empties) {
        if (Moves(p) == 0) {
            if (Moves(p.theirs, p.mine) == 0) {
                return false;
            }
            p = Pass(p);
            continue;
        }
        const bool random = p.Empties() > 52 || rng() % 8 == 0;
        const int cell = random ? RandomMove(p, rng) : searcher.Search(p, {2, {}, 0}, go).cell;
        p = Play(p, cell);
    }
    return Moves(p) != 0;
}

struct Fit {
    double pointsPerDisc;
    double meanError;
};

Fit FitScores(const std::vector<int>& scores, const std::vector<int>& exact) {
    double sx = 0;
    double sxy = 0;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        sx += static_cast<double>(scores[i]) * scores[i];
        sxy += static_cast<double>(scores[i]) * exact[i];
    }
    const double discsPerPoint = sx > 0 ? sxy / sx : 0;
    double error = 0;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        error += std::abs(discsPerPoint * scores[i] - exact[i]);
    }
    return {discsPerPoint > 0 ? 1 / discsPerPoint : 0,
            error / static_cast<double>(std::max<std::size_t>(scores.size(), 1))};
}

} // namespace

int main(int argc, char* argv[]) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 300;
    const int depth = argc > 2 ? std::atoi(argv[2]) : 6;
    std::mt19937 rng(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1U);
    Searcher searcher;
    const std::atomic<bool> go{false};
    std::vector<int> exact;
    std::vector<int> evaluated;
    std::vector<int> searched;
    while (static_cast<int>(exact.size()) < count) {
        Position p;
        if (!PlayTo(20 + static_cast<int>(rng() % 5), rng, searcher, p)) {
            continue;
        }
        exact.push_back(searcher.Solve(p, go).score);
        evaluated.push_back(Evaluate(p));
        searched.push_back(searcher.Search(p, {depth, {}, 0}, go).score);
    }
    double zeroError = 0;
    for (const int e : exact) {
        zeroError += std::abs(e);
    }
    std::printf("%d positions at 20-24 empty cells; always guessing a draw misses by %.1f discs\n",
                count, zeroError / count);
    const Fit zero = FitScores(evaluated, exact);
    const Fit deep = FitScores(searched, exact);
    std::printf("depth 0: %.2f points a disc, mean error %.1f discs\n", zero.pointsPerDisc,
                zero.meanError);
    std::printf("depth %d: %.2f points a disc, mean error %.1f discs\n", depth, deep.pointsPerDisc,
                deep.meanError);
    return 0;
}
