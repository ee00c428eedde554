#include "game/computer_player.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <benchmark/benchmark.h>
#include <random>
#include <vector>

namespace {

using tarvo::GameState;

const std::vector<GameState>& Positions() {
    static const std::vector<GameState> positions = [] {
        std::vector<GameState> all;
        std::mt19937 rng(2026);
        for (int game = 0; game < 200; ++game) {
            tarvo::test::PlayRandomGame(rng, game % 2 == 0 ? tarvo::Black : tarvo::White,
                                        [&](const GameState& state, int16_t mover) {
                                            if (mover == state.CompColor) {
                                                all.push_back(state);
                                            }
                                        });
        }
        return all;
    }();
    return positions;
}

// One computer decision: AdjustWeights, then SelectBestMoves, on a copy of a
// position from a random game (the copy is part of the cost).
void BM_ComputerDecision(benchmark::State& bench) {
    const std::vector<GameState>& positions = Positions();
    std::size_t i = 0;
    for (auto _ : bench) {
        GameState state = positions[i];
        tarvo::AdjustWeights(state);
        benchmark::DoNotOptimize(tarvo::SelectBestMoves(state));
        i = (i + 1) % positions.size();
    }
    bench.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(BM_ComputerDecision);

// FlipPieces for the computer's first legal move of each position.
void BM_FlipPieces(benchmark::State& bench) {
    std::vector<std::pair<GameState, tarvo::test::Cell>> moves;
    for (const GameState& state : Positions()) {
        const auto legal = tarvo::test::LegalMoves(state, state.CompColor);
        if (!legal.empty()) {
            moves.emplace_back(state, legal.front());
        }
    }
    std::size_t i = 0;
    for (auto _ : bench) {
        GameState state = moves[i].first;
        const auto [row, col] = moves[i].second;
        benchmark::DoNotOptimize(tarvo::FlipPieces(state, row, col, state.CompColor));
        i = (i + 1) % moves.size();
    }
}
BENCHMARK(BM_FlipPieces);

} // namespace
