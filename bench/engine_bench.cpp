// The engine's speed: perft from the opening, and the middle-game search on
// positions after twenty random moves.
#include "engine/search.h"

#include <benchmark/benchmark.h>
#include <random>
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

std::vector<Position> MiddleGames() {
    std::mt19937 rng(20261207);
    std::vector<Position> positions;
    while (positions.size() < 20) {
        Position p = Opening();
        for (int ply = 0; ply < 20; ++ply) {
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

void BM_MiddleGameSearch(benchmark::State& state) {
    const std::vector<Position> positions = MiddleGames();
    const std::atomic<bool> go{false};
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        Searcher searcher;
        for (const Position& p : positions) {
            nodes += searcher.Search(p, {8, {}, 0}, go).nodes;
        }
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MiddleGameSearch)->Unit(benchmark::kMillisecond);

} // namespace
