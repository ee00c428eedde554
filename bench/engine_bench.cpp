// The engine's speed: perft from the opening, and the middle-game search on
// positions after twenty random moves, with the hand-made evaluation and with
// the trained one (build/engine/tarvo-othello.weights, or the file that
// $TARVO_WEIGHTS names), and the trained evaluation alone, there and after
// forty random moves, where its network adds to it.
#include "engine/search.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace tarvo::engine;

void BM_Perft(benchmark::State& state) {
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        nodes += Perft(Opening(), 9);
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Perft)->Unit(benchmark::kMillisecond);

std::vector<Position> MiddleGames(int plies = 20) {
    std::mt19937 rng(20261207);
    std::vector<Position> positions;
    while (positions.size() < 20) {
        Position p = Opening();
        for (int ply = 0; ply < plies; ++ply) {
            Bits moves = Moves(p);
            if (moves == 0) {
                p = Pass(p);
                continue;
            }
            for (unsigned skip = rng() % static_cast<unsigned>(std::popcount(moves)); skip > 0;
                 --skip) {
                moves &= moves - 1;
            }
            p = Play(p, std::countr_zero(moves));
        }
        if (Moves(p) != 0) {
            positions.push_back(p);
        }
    }
    return positions;
}

// Searches each middle game 8 plies deep, with the hand-made evaluation
// unless given weights.
void SearchMiddleGames(benchmark::State& state, const PatternWeights* weights) {
    const std::vector<Position> positions = MiddleGames();
    const std::atomic<bool> go{false};
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        Searcher searcher;
        for (const Position& p : positions) {
            nodes += searcher.Search(p, {8, {}, 0, weights}, go).nodes;
        }
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}

void BM_MiddleGameSearch(benchmark::State& state) {
    SearchMiddleGames(state, nullptr);
}
BENCHMARK(BM_MiddleGameSearch)->Unit(benchmark::kMillisecond);

const PatternWeights* TrainedWeights(benchmark::State& state) {
    static const std::optional<PatternWeights> weights = [] {
        const char* path = std::getenv("TARVO_WEIGHTS");
        std::string error;
        return LoadWeights(path != nullptr ? path : "build/engine/tarvo-othello.weights", error);
    }();
    if (!weights) {
        state.SkipWithError("the trained weights cannot be read");
        return nullptr;
    }
    return &*weights;
}

void BM_TrainedEvaluation(benchmark::State& state) {
    const PatternWeights* weights = TrainedWeights(state);
    if (weights == nullptr) {
        return;
    }
    std::vector<Position> positions;
    for (const Position& p : MiddleGames(static_cast<int>(state.range(0)))) {
        for (Bits moves = Moves(p); moves != 0; moves &= moves - 1) {
            positions.push_back(Play(p, std::countr_zero(moves)));
        }
    }
    std::int64_t sum = 0;
    for (auto _ : state) {
        for (const Position& p : positions) {
            sum += weights->Evaluate(p);
        }
    }
    benchmark::DoNotOptimize(sum);
    state.counters["evaluations/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * positions.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TrainedEvaluation)->Arg(20)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_TrainedMiddleGameSearch(benchmark::State& state) {
    if (const PatternWeights* weights = TrainedWeights(state)) {
        SearchMiddleGames(state, weights);
    }
}
BENCHMARK(BM_TrainedMiddleGameSearch)->Unit(benchmark::kMillisecond);

} // namespace
