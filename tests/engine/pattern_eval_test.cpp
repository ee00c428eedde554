#include "engine/pattern_eval.h"
#include "engine/search.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace tarvo {
namespace {

using engine::Bit;
using engine::PatternWeights;
using engine::Position;

// Positions of random games, every tenth ply.
std::vector<Position> RandomPositions(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<Position> positions;
    Position p = engine::Opening();
    for (int ply = 0; static_cast<int>(positions.size()) < count; ++ply) {
        engine::Bits moves = engine::Moves(p);
        if (moves == 0) {
            p = engine::Moves(p.theirs, p.mine) == 0 ? engine::Opening() : engine::Pass(p);
            continue;
        }
        for (auto skip = rng() % static_cast<unsigned>(engine::Count(moves)); skip > 0; --skip) {
            moves &= moves - 1;
        }
        p = engine::Play(p, std::countr_zero(moves));
        if (ply % 10 == 0) {
            positions.push_back(p);
        }
    }
    return positions;
}

// Every index stays in its phase's weights; the opening is the same only
// turned half round or mirrored along a diagonal; and a lone disc in a
// corner is the first cell of two edges.
TEST(PatternEval, FeaturesStayInTheirTablesAndSymmetriesTurnTheBoard) {
    for (const Position& p : RandomPositions(200, 1)) {
        for (const int index : engine::Features(p)) {
            ASSERT_GE(index, 0);
            ASSERT_LT(index, engine::WeightsPerPhase());
        }
    }
    const Position opening = engine::Opening();
    for (int symmetry = 0; symmetry < 8; ++symmetry) {
        const bool same = symmetry == 0 || symmetry == 3 || symmetry == 4 || symmetry == 7;
        EXPECT_EQ(engine::Symmetric(opening, symmetry) == opening, same) << symmetry;
    }
    const engine::FeatureIndices corner = engine::Features({Bit(0), 0});
    const engine::FeatureIndices empty = engine::Features({0, 0});
    int edges = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        edges += corner[i] - empty[i];
    }
    EXPECT_EQ(edges, 2);
}

// The features of a thousand positions, as a checksum: the shipped weights
// were fitted to exactly these indices, so a change in how the board is read
// must come with new weights (and a new checksum here).
TEST(PatternEval, FeaturesReadTheBoardAsTheShippedWeightsExpect) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const Position& p : RandomPositions(1000, 2)) {
        for (const int index : engine::Features(p)) {
            hash = (hash ^ static_cast<std::uint64_t>(index)) * 0x100000001b3ULL;
        }
    }
    EXPECT_EQ(hash, 0x95d246bc61168944ULL);
}

PatternWeights SomeWeights() {
    PatternWeights weights;
    std::mt19937 rng(3);
    for (int phase = 0; phase < engine::kPhases; ++phase) {
        std::int16_t* w = weights.Phase(phase);
        for (int i = 0; i < engine::WeightsPerPhase(); i += 1 + static_cast<int>(rng() % 50)) {
            w[i] = static_cast<std::int16_t>(static_cast<int>(rng() % 65535) - 32767);
        }
    }
    weights.AddNetwork(4, 6);
    for (int i = 0; i < engine::WeightsPerPhase(); i += 1 + static_cast<int>(rng() % 5)) {
        for (int u = 0; u < engine::kUnits; u += 1 + static_cast<int>(rng() % 4)) {
            weights.Embedding(i)[u] = static_cast<std::int8_t>(static_cast<int>(rng() % 255) - 127);
        }
    }
    for (int phase = 4; phase <= 6; ++phase) {
        for (int u = 0; u < engine::kUnits; ++u) {
            weights.Head(phase).bias[static_cast<std::size_t>(u)] =
                static_cast<int>(rng() % 4001) - 2000;
            weights.Head(phase).weight[static_cast<std::size_t>(u)] =
                static_cast<std::int32_t>(rng()) / 1024;
        }
        weights.Head(phase).offset = static_cast<int>(rng() % 2001) - 1000;
    }
    return weights;
}

// A position of `empties` empty cells: the opening's four discs, then the
// board's top rows filled with the mover's discs from a1 on.
Position WithEmpties(int empties) {
    Position p = engine::Opening();
    for (int cell = 0; p.Empties() > empties; ++cell) {
        p.mine |= (p.theirs & Bit(cell)) == 0 ? Bit(cell) : 0;
    }
    return p;
}

// The network adds to the weights' sum, in its own phases only: its offset,
// and each unit's sum and bias, a 128th of it when below zero, times the
// head's weight.
TEST(PatternEval, TheNetworkWeighsItsUnitsInItsOwnPhases) {
    PatternWeights weights;
    weights.AddNetwork(5, 5);
    const int constant = engine::Features(engine::Opening())[engine::kFeatures - 1];
    weights.Phase(5)[constant] = 32;
    weights.Embedding(constant)[0] = 10;
    weights.Embedding(constant)[1] = -20;
    weights.Embedding(constant)[2] = -3;
    engine::NetworkHead& head = weights.Head(5);
    head.bias = {5, 4, 3};
    head.weight = {65536, 65536 * 128, 65536 * 64};
    head.offset = 100;
    // 15 × 128 × 65536 >> 23 = 15; -16 × 65536 × 128 >> 23 = -16; 0 for the third.
    const std::pair<int, int> cases[] = {{19, 0}, {20, 131}, {23, 131}, {24, 0}};
    for (const auto& [empties, expected] : cases) {
        EXPECT_EQ(weights.Evaluate(WithEmpties(empties)), expected) << empties;
    }
    EXPECT_EQ(weights.Evaluate(WithEmpties(22), false), 32);
}

TEST(PatternEval, WeightsReadBackAsWrittenAndAnyDamageIsRefused) {
    const PatternWeights weights = SomeWeights();
    const std::string bytes = weights.Serialize();
    std::string error;
    const std::optional<PatternWeights> read = PatternWeights::Read(bytes, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->Serialize(), bytes);
    for (const Position& p : RandomPositions(50, 2)) {
        EXPECT_EQ(read->Evaluate(p), weights.Evaluate(p));
    }
    const std::string withoutNetwork = PatternWeights().Serialize();
    ASSERT_TRUE(PatternWeights::Read(withoutNetwork, error)) << error;
    EXPECT_EQ(PatternWeights::Read(withoutNetwork, error)->Serialize(), withoutNetwork);
    std::string changed = bytes;
    changed[bytes.size() / 2] ^= 0x10;
    std::string otherVersion = bytes;
    otherVersion.replace(otherVersion.find('\n') + 1, 2, "15");
    const std::pair<std::string, std::string> damaged[] = {
        {"", "not a weights file of this program"},
        {"[Options]\nLevel=expert\n", "not a weights file of this program"},
        {otherVersion, "weights for another version of the evaluation"},
        {bytes.substr(0, bytes.size() - 1), "the weights are damaged or cut short"},
        {bytes + "x", "the weights are damaged or cut short"},
        {changed, "the weights are damaged or cut short"},
    };
    for (const auto& [text, message] : damaged) {
        error.clear();
        EXPECT_FALSE(PatternWeights::Read(text, error));
        EXPECT_EQ(error, message);
    }
    // A file that is missing or not a file at all.
    const std::filesystem::path dir = ::testing::TempDir();
    for (const std::filesystem::path& path : {dir / "no-such-weights", dir}) {
        error.clear();
        EXPECT_FALSE(engine::LoadWeights(path, error));
        EXPECT_EQ(error.rfind(path.string() + ": ", 0), 0U) << error;
    }
}

// The shipped weights load, within the 2 MiB they may take, and ordering
// the solver's moves by them changes the moves it tries first but never its
// results: by the evaluation from 14 empty cells, by short searches with it
// from 20.
TEST(PatternEval, TheShippedWeightsLoadAndTheSolverStaysExactWithThem) {
    std::string error;
    const std::optional<PatternWeights> weights = engine::LoadWeights(TARVO_WEIGHTS, error);
    ASSERT_TRUE(weights) << error;
    EXPECT_LE(std::filesystem::file_size(TARVO_WEIGHTS), 2U << 20);
    engine::Searcher plain;
    engine::Searcher ordered;
    const std::atomic<bool> go{false};
    int tested = 0;
    int searched = 0;
    for (const Position& p : RandomPositions(400, 4)) {
        const int empties = p.Empties();
        const bool shortSearches = empties == 21 && searched == 0;
        if (engine::Moves(p) == 0 || ((empties < 14 || empties > 16) && !shortSearches)) {
            continue;
        }
        searched += shortSearches ? 1 : 0;
        const engine::Result expected = plain.Solve(p, go);
        const engine::Result solved = ordered.Solve(p, go, &*weights);
        ASSERT_TRUE(solved.exact);
        EXPECT_EQ(solved.score, expected.score);
        EXPECT_EQ(-plain.Solve(engine::Play(p, solved.cell), go).score, expected.score);
        ++tested;
    }
    EXPECT_GE(tested, 10);
    EXPECT_EQ(searched, 1);
}

// Positions of 20 and more empty cells from the generated games, the side to
// move's discs X, with their results. The solver's selective pass misjudges
// them, and the exact tests after it must take nothing from it but its moves.
TEST(PatternEval, TheSolversSelectivePassLeavesItsResultsExact) {
    const std::pair<const char*, int> cases[] = {
        {"---XXXXXX--OOOXXX-OOOXOXXOOXXOXX-OXXOXOXOOOOOOOXO-----OX--------", 56},
        {"--OOO--X-OOOO-XXXXOXOOOO-XOOOXOOXXOOOOOO-XXXOO-----XO----XXXX---", 4},
        {"--XXXXX---OXXX--XXXXXOX--XOOXOX-XOOXOO--OOOOOOX---OOX----XXXXXX-", -16},
        {"--OOOO----OXXX-O-OOOOOOO-XOXOOOO--XOOOOO--XXOOOO--XXO-OO--XXX--O", -20},
        // Wiped out, where the evaluation expects the opponent to win by more than 64.
        {"OOOOOOOOOOOOOOO-OOOOXOX-OXOOOX---XXXXOX--XXXXXXO------X---------", -64},
    };
    std::string error;
    const std::optional<PatternWeights> weights = engine::LoadWeights(TARVO_WEIGHTS, error);
    ASSERT_TRUE(weights) << error;
    engine::Searcher searcher;
    const std::atomic<bool> go{false};
    for (const auto& [cells, expected] : cases) {
        Position p;
        for (int cell = 0; cell < 64; ++cell) {
            p.mine |= cells[cell] == 'X' ? Bit(cell) : 0;
            p.theirs |= cells[cell] == 'O' ? Bit(cell) : 0;
        }
        const engine::Result solved = searcher.Solve(p, go, &*weights);
        ASSERT_TRUE(solved.exact);
        EXPECT_EQ(solved.score, expected) << cells;
        EXPECT_EQ(-searcher.Solve(engine::Play(p, solved.cell), go, &*weights).score, expected)
            << cells << ": the move reaches it";
    }
}

// The exact solver orders its moves by the weights alone, so a network of
// zeros changes none of its work; the middle-game search adds the network.
TEST(PatternEval, TheSolverOrdersByTheWeightsAloneAndTheSearchAddsTheNetwork) {
    std::string error;
    const std::optional<PatternWeights> weights = engine::LoadWeights(TARVO_WEIGHTS, error);
    ASSERT_TRUE(weights) << error;
    PatternWeights zeroed = *weights;
    zeroed.AddNetwork(3, 6);
    const std::atomic<bool> go{false};
    int solved = 0;
    int searched = 0;
    int searchesThatDiffer = 0;
    for (const Position& p : RandomPositions(400, 5)) {
        const bool solve = p.Empties() >= 16 && p.Empties() <= 18 && solved < 4;
        const bool search = p.Empties() >= 19 && p.Empties() <= 24 && searched < 6;
        if (engine::Moves(p) == 0 || (!solve && !search)) {
            continue;
        }
        engine::Searcher a;
        engine::Searcher b;
        if (solve) {
            const engine::Result withNetwork = a.Solve(p, go, &*weights);
            const engine::Result without = b.Solve(p, go, &zeroed);
            EXPECT_EQ(withNetwork.nodes, without.nodes);
            EXPECT_EQ(withNetwork.score, without.score);
            ++solved;
        } else {
            engine::Limits limits{3, {}, 0};
            limits.weights = &*weights;
            const engine::Result withNetwork = a.Search(p, limits, go);
            limits.weights = &zeroed;
            searchesThatDiffer += withNetwork.score != b.Search(p, limits, go).score ? 1 : 0;
            ++searched;
        }
    }
    EXPECT_EQ(solved, 4);
    EXPECT_GE(searchesThatDiffer, 3);
}

} // namespace
} // namespace tarvo
