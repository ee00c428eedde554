// Plays the levels against each other from varied openings, each opening once
// with either colour, and reports the results and the time each level takes
// a move. "levels_bench [GAMES [PAIRING [SEED [MS]]]]": GAMES per pairing
// (200), PAIRING one of strong-classic, expert-classic, expert-strong,
// expert-handmade or all, SEED choosing the openings, and MS the time a
// move of Expert's may take instead of its second ("d6" for a search of six
// plies instead, exact from 14 empty cells). Strong and Expert use
// the trained evaluation, build/engine/tarvo-othello.weights by default or
// the file in $TARVO_WEIGHTS; Handmade is Expert with the hand-made
// evaluation it used before, kept here as a fixed opponent.
#include "engine/search.h"
#include "game/computer_player.h"
#include "game/random_source.h"
#include "game/rules.h"
#include "support/board_diagram.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace tarvo;
using engine::Bit;
using engine::CellIndex;

class SeededRandomSource : public RandomSource {
public:
    explicit SeededRandomSource(unsigned seed) : rng_(seed) {}
    float Next() override { return std::uniform_real_distribution<float>(0, 1)(rng_); }

private:
    std::mt19937 rng_;
};

enum class Level { Classic, Strong, Expert, Handmade };
const char* const kNames[] = {"Classic", "Strong", "Expert", "Handmade"};
constexpr int kLevels = 4;

const engine::PatternWeights* gWeights = nullptr;
engine::Limits gExpert = engine::kExpertLevel;

// The game as the model keeps it, which the classic player needs: its
// weights change from move to move.
struct Game {
    GameState state = test::OpeningState(Black);
    engine::Searcher searchers[2];
    std::vector<double> seconds[kLevels];
    int lastMove[4] = {}; // by colour: row * 10 + column

    engine::Position PositionFor(int16_t mover) const {
        engine::Position p;
        for (int r = 1; r <= 8; ++r) {
            for (int c = 1; c <= 8; ++c) {
                const int16_t code = state.Board(r, c);
                if (code != Empty) {
                    (code == mover ? p.mine : p.theirs) |= Bit(CellIndex(r, c));
                }
            }
        }
        return p;
    }

    // The move of `level` for `mover`: a cell (row * 10 + column), or 0 to pass.
    int Move(Level level, int16_t mover, int side, SeededRandomSource& random) {
        const auto start = std::chrono::steady_clock::now();
        int move = 0;
        if (level == Level::Classic) {
            // It reads the opponent's last move as the human's.
            state.HumanColor = OpponentOf(mover);
            state.CompColor = mover;
            state.HumanRow = static_cast<int16_t>(lastMove[state.HumanColor] / 10);
            state.HumanCol = static_cast<int16_t>(lastMove[state.HumanColor] % 10);
            state.CompRow = static_cast<int16_t>(lastMove[mover] / 10);
            state.CompCol = static_cast<int16_t>(lastMove[mover] % 10);
            AdjustWeights(state);
            if (SelectBestMoves(state).BestWeight >= 1) {
                const int16_t i = ChooseCandidate(state.BestCount, random);
                move = state.BestRow(i) * 10 + state.BestCol(i);
            }
        } else {
            const std::atomic<bool> go{false};
            engine::Limits limits = level == Level::Strong ? engine::kStrongLevel : gExpert;
            limits.weights = level == Level::Handmade ? nullptr : gWeights;
            const engine::Result r = searchers[side].Search(PositionFor(mover), limits, go);
            move = r.cell < 0 ? 0 : (r.cell / 8 + 1) * 10 + r.cell % 8 + 1;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        seconds[static_cast<int>(level)].push_back(took.count());
        return move;
    }
};

struct Tally {
    int wins = 0, draws = 0, losses = 0;
};

// Plays one game; returns the first level's disc difference.
int Play(Level first, Level second, bool firstIsBlack, const std::vector<int>& opening,
         unsigned seed, std::vector<double> (&times)[kLevels]) {
    Game game;
    SeededRandomSource random(seed);
    int16_t mover = Black;
    for (const int move : opening) {
        test::Play(game.state, {move / 10, move % 10}, mover);
        game.lastMove[mover] = move;
        mover = OpponentOf(mover);
    }
    for (int passes = 0; passes < 2; mover = OpponentOf(mover)) {
        const bool firstMoves = (mover == Black) == firstIsBlack;
        const int move = game.Move(firstMoves ? first : second, mover, firstMoves ? 0 : 1, random);
        if (move == 0) {
            ++passes;
            continue;
        }
        passes = 0;
        test::Play(game.state, {move / 10, move % 10}, mover);
        // The classic player reads the last moves as the human's and its own.
        (mover == Black ? game.state.HumanRow : game.state.CompRow) =
            static_cast<int16_t>(move / 10);
        (mover == Black ? game.state.HumanCol : game.state.CompCol) =
            static_cast<int16_t>(move % 10);
    }
    for (int l = 0; l < kLevels; ++l) {
        times[l].insert(times[l].end(), game.seconds[l].begin(), game.seconds[l].end());
    }
    const engine::Position p = game.PositionFor(firstIsBlack ? Black : White);
    return std::popcount(p.mine) - std::popcount(p.theirs);
}

// A random opening of four moves.
std::vector<int> Opening(std::mt19937& rng) {
    GameState state = test::OpeningState(Black);
    std::vector<int> moves;
    for (int16_t mover = Black; moves.size() < 4; mover = OpponentOf(mover)) {
        const auto legal = test::LegalMoves(state, mover);
        const auto [r, c] = legal[rng() % legal.size()];
        test::Play(state, {r, c}, mover);
        moves.push_back(r * 10 + c);
    }
    return moves;
}

} // namespace

int main(int argc, char* argv[]) {
    const int games = argc > 1 ? std::max(2, std::atoi(argv[1])) : 200;
    const std::pair<Level, Level> pairings[] = {{Level::Strong, Level::Classic},
                                                {Level::Expert, Level::Classic},
                                                {Level::Expert, Level::Strong},
                                                {Level::Expert, Level::Handmade}};
    if (argc > 4) {
        gExpert.time = std::chrono::milliseconds(std::atoi(argv[4]));
    }
    if (argc > 4 && argv[4][0] == 'd') {
        gExpert = {std::atoi(argv[4] + 1), std::chrono::milliseconds(0), 14};
    }
    const char* path = std::getenv("TARVO_WEIGHTS");
    std::string error;
    static const std::optional<engine::PatternWeights> weights =
        engine::LoadWeights(path != nullptr ? path : "build/engine/tarvo-othello.weights", error);
    if (!weights) {
        std::fprintf(stderr, "levels_bench: %s\n", error.c_str());
        return 1;
    }
    gWeights = &*weights;
    std::vector<double> times[kLevels];
    std::printf("| pairing | games | won | drawn | lost | won %% |\n|---|---|---|---|---|---|\n");
    for (const auto& [first, second] : pairings) {
        const std::string name =
            std::string(kNames[static_cast<int>(first)]) + "-" + kNames[static_cast<int>(second)];
        std::string wanted = argc > 2 && std::string(argv[2]) != "all" ? argv[2] : name;
        std::transform(wanted.begin(), wanted.end(), wanted.begin(), ::tolower);
        std::string lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        if (wanted != lower) {
            continue;
        }
        std::mt19937 rng(argc > 3 ? static_cast<unsigned>(std::atol(argv[3])) : 20261207U);
        Tally tally;
        for (int g = 0; g < games; g += 2) {
            const std::vector<int> opening = Opening(rng);
            for (const bool black : {true, false}) {
                const int d = Play(first, second, black, opening, rng(), times);
                (d > 0 ? tally.wins : d < 0 ? tally.losses : tally.draws) += 1;
            }
        }
        std::printf("| %s against %s | %d | %d | %d | %d | %.1f |\n",
                    kNames[static_cast<int>(first)], kNames[static_cast<int>(second)], games,
                    tally.wins, tally.draws, tally.losses, 100.0 * tally.wins / games);
        std::fflush(stdout);
    }
    std::printf("\n| level | moves | median s | worst s |\n|---|---|---|---|\n");
    for (int l = 0; l < kLevels; ++l) {
        std::vector<double>& t = times[l];
        if (t.empty()) {
            continue;
        }
        std::sort(t.begin(), t.end());
        std::printf("| %s | %zu | %.4f | %.3f |\n", kNames[l], t.size(), t[t.size() / 2], t.back());
    }
    return 0;
}
