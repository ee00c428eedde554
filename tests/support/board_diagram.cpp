#include "support/board_diagram.h"

#include "game/rules.h"

namespace tarvo::test {

namespace {

int16_t CodeOf(char c) {
    return c == 'X' ? Black : c == 'O' ? White : Empty;
}

} // namespace

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
        if (c != ' ') {
            state.Board(cell / 8 + 1, cell % 8 + 1) = CodeOf(c);
            ++cell;
        }
    }
}

GameState Board(std::string_view cells) {
    GameState state = OpeningState(Black);
    for (std::size_t i = 0; i + 3 <= cells.size(); ++i) {
        if (cells[i] != ' ') {
            state.Board(cells[i + 1] - '0', cells[i + 2] - '0') = CodeOf(cells[i]);
            i += 2;
        }
    }
    return state;
}

std::string Diagram(const GameState& state) {
    std::string text;
    for (int cell = 0; cell < 64; ++cell) {
        const int16_t code = state.Board(cell / 8 + 1, cell % 8 + 1);
        text += code == Black ? 'X' : code == White ? 'O' : '.';
        text += cell % 8 == 7 ? "\n" : "";
    }
    return text;
}

std::vector<Cell> LegalMoves(const GameState& state, int16_t colour) {
    std::vector<Cell> moves;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            GameState copy = state;
            if (state.Board(r, c) == Empty && FlipPieces(copy, r, c, colour) > 0) {
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
    (colour == state.HumanColor ? state.HumanRow : state.CompRow) =
        static_cast<int16_t>(move.first);
    (colour == state.HumanColor ? state.HumanCol : state.CompCol) =
        static_cast<int16_t>(move.second);
}

void PlayRandomGame(std::mt19937& rng, int16_t human,
                    const std::function<void(const GameState&, int16_t mover)>& visit) {
    GameState state = OpeningState(human);
    int16_t mover = Black;
    for (int passes = 0; passes < 2 && state.MoveCount < 60; mover = OpponentOf(mover)) {
        visit(state, mover);
        const std::vector<Cell> moves = LegalMoves(state, mover);
        passes = moves.empty() ? passes + 1 : 0;
        if (!moves.empty()) {
            Play(state, moves[rng() % moves.size()], mover);
        }
    }
}

} // namespace tarvo::test
