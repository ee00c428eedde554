// Times the review's analysis of whole games. The games are played by a short
// search with some random moves, from random openings. "analysis_bench
// [GAMES [DEPTH [SEED]]]", 10 games at the review's own depth, seed 1, with
// the trained evaluation in build/engine/tarvo-othello.weights or in the file
// $TARVO_WEIGHTS names.
#include "app/game_analysis.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>

namespace {

using namespace tarvo;

std::vector<int> PlayGame(std::mt19937& rng, engine::Searcher& searcher) {
    const std::atomic<bool> go{false};
    engine::Position p = SetupOf(StartPosition::BlackOnD4).board;
    std::vector<int> moves;
    for (;;) {
        engine::Bits legal = engine::Moves(p);
        if (legal == 0) {
            if (engine::Moves(p.theirs, p.mine) == 0) {
                return moves;
            }
            p = engine::Pass(p);
            continue;
        }
        int cell = 0;
        if (moves.size() < 6 || rng() % 6 == 0) {
            for (auto skip = rng() % static_cast<unsigned>(engine::Count(legal)); skip > 0;
                 --skip) {
                legal &= legal - 1;
            }
            cell = std::countr_zero(legal);
        } else {
            cell = searcher.Search(p, {3, {}, 0}, go).cell;
        }
        moves.push_back(cell);
        p = engine::Play(p, cell);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 10;
    AnalysisDepth depth;
    if (argc > 2) {
        depth.search = std::atoi(argv[2]);
    }
    std::mt19937 rng(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1U);
    const char* path = std::getenv("TARVO_WEIGHTS");
    std::string error;
    const std::optional<engine::PatternWeights> weights =
        engine::LoadWeights(path != nullptr ? path : "build/engine/tarvo-othello.weights", error);
    if (!weights) {
        std::fprintf(stderr, "analysis_bench: %s\n", error.c_str());
        return 1;
    }
    engine::Searcher player;
    engine::Searcher searcher;
    const std::atomic<bool> go{false};
    double total = 0;
    double worst = 0;
    for (int g = 0; g < games; ++g) {
        const auto replay =
            std::get<Replay>(ReplayMoves(SetupOf(StartPosition::BlackOnD4), PlayGame(rng, player)));
        const auto start = std::chrono::steady_clock::now();
        GameAnalysis analysis(replay, depth);
        while (!analysis.Finished()) {
            analysis.Next(searcher, go, &*weights);
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("game %d: %zu moves analysed in %.1f s\n", g + 1, analysis.placements().size(),
                    took.count());
        total += took.count();
        worst = std::max(worst, took.count());
    }
    std::printf("depth %d, exact from %d empty cells: %.1f s a game on average, %.1f s at most\n",
                depth.search, depth.exactFrom, total / games, worst);
    return 0;
}
