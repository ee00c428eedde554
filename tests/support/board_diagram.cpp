#include "support/board_diagram.h"

#include "game/computer_player.h"
#include "game/rules.h"

#include <stdexcept>

namespace tarvo::test {

GameState OpeningState(int16_t human) {
    GameState state;
    InitBoard(state);
    state.HumanColor = human;
    state.CompColor = OpponentOf(human);
    return state;
}

void SetBoard(GameState& state, std::string_view diagram) {
    int cell = 0;
    for (const char c : diagram) {
        if (c == ' ' || c == '\n') {
            continue;
        }
        if (cell >= 64) {
            throw std::invalid_argument("board diagram has more than 64 cells");
        }
        int16_t code = Empty;
        if (c == 'X') {
            code = Black;
        } else if (c == 'O') {
            code = White;
        } else if (c != '.') {
            throw std::invalid_argument(std::string("unknown cell in board diagram: ") + c);
        }
        state.Board(cell / 8 + 1, cell % 8 + 1) = code;
        ++cell;
    }
    if (cell != 64) {
        throw std::invalid_argument("board diagram needs 64 cells");
    }
}

std::string Diagram(const GameState& state) {
    std::string text;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const int16_t code = state.Board(r, c);
            text += code == Black ? 'X' : code == White ? 'O' : '.';
        }
        text += '\n';
    }
    return text;
}

std::vector<Cell> LegalMoves(const GameState& state, int16_t colour) {
    std::vector<Cell> moves;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            if (state.Board(r, c) != Empty) {
                continue;
            }
            GameState copy = state;
            if (FlipPieces(copy, r, c, colour) > 0) {
                moves.emplace_back(r, c);
            }
        }
    }
    return moves;
}

void Play(GameState& state, Cell move, int16_t colour) {
    FlipPieces(state, move.first, move.second, colour);
    state.Board(move.first, move.second) = colour;
    ++state.MoveCount;
}

std::optional<Cell> ComputerMove(GameState& state, RandomSource& random) {
    AdjustWeights(state);
    if (SelectBestMoves(state).BestWeight < 1) {
        return std::nullopt;
    }
    const int16_t i = ChooseCandidate(state.BestCount, random);
    return Cell{state.BestRow(i), state.BestCol(i)};
}

float SeededRandomSource::Next() {
    return std::uniform_real_distribution<float>(0, 1)(rng_);
}

GameState PlayRandomGame(std::mt19937& rng, int16_t human,
                         const std::function<void(const GameState&)>& beforeComputer) {
    SeededRandomSource random(rng());
    GameState state = OpeningState(human);
    int16_t mover = Black;
    int passes = 0;
    while (passes < 2 && state.MoveCount < 60) {
        std::optional<Cell> move;
        if (mover == state.CompColor) {
            if (beforeComputer) {
                beforeComputer(state);
            }
            move = ComputerMove(state, random);
        } else if (const std::vector<Cell> moves = LegalMoves(state, mover); !moves.empty()) {
            move = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
        }
        if (move) {
            passes = 0;
            Play(state, *move, mover);
            int16_t& row = mover == state.HumanColor ? state.HumanRow : state.CompRow;
            int16_t& col = mover == state.HumanColor ? state.HumanCol : state.CompCol;
            row = static_cast<int16_t>(move->first);
            col = static_cast<int16_t>(move->second);
        } else {
            ++passes;
        }
        mover = OpponentOf(mover);
    }
    return state;
}

} // namespace tarvo::test
