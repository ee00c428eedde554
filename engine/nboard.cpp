#include "engine/nboard.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <sstream>

namespace tarvo::engine {

namespace {

// "F5" or "f5" as a cell, "PA" as -1 for a pass; nothing when neither. What
// follows a slash, the move's evaluation and time, is left aside.
std::optional<int> MoveOf(std::string_view word) {
    word = word.substr(0, word.find('/'));
    const auto lower = [&](std::size_t i) {
        return std::tolower(static_cast<unsigned char>(word[i]));
    };
    if (word.size() == 2 && lower(0) == 'p' && lower(1) == 'a') {
        return -1;
    }
    return CellOf(word);
}

std::string MoveName(int cell) {
    std::string name = cell < 0 ? "PA" : CellName(cell);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

// "8", the 64 cells a1 b1 ... h8 as "-" (empty), "*" (black) or "O" (white),
// then the side to move as "*" or "O"; blanks anywhere.
bool ReadBoard(std::string_view text, Bits& black, Bits& white, bool& blackToMove) {
    std::string cells;
    for (const char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) == 0) {
            cells += c;
        }
    }
    if (cells.size() != 66 || cells[0] != '8') {
        return false;
    }
    black = white = 0;
    for (int cell = 0; cell <= 64; ++cell) {
        const char c = static_cast<char>(
            std::toupper(static_cast<unsigned char>(cells[static_cast<std::size_t>(cell) + 1])));
        if (c != '-' && c != '*' && c != 'O') {
            return false;
        }
        if (cell == 64) {
            blackToMove = c == '*';
            return c != '-';
        }
        black |= c == '*' ? Bit(cell) : 0;
        white |= c == 'O' ? Bit(cell) : 0;
    }
    return false;
}

} // namespace

NboardEngine::NboardEngine(const Limits& limits, int tableMiB)
    : limits_(limits), depth_(limits.depth),
      searcher_(tableMiB), game_{TournamentOpening().mine, TournamentOpening().theirs, true} {}

bool NboardEngine::Apply(Game& game, int cell) {
    Position p = game.ToMove();
    bool black = game.blackToMove;
    if (Moves(p) == 0 && cell >= 0) {
        p = Pass(p);
        black = !black;
    }
    const Bits moves = Moves(p);
    if (cell < 0 ? moves != 0 : (moves & Bit(cell)) == 0) {
        return false;
    }
    if (cell >= 0) {
        p = Play(p, cell);
        game.black = black ? p.theirs : p.mine;
        game.white = black ? p.mine : p.theirs;
    }
    game.blackToMove = !black;
    return true;
}

// A game in the Generic Game Format: "(;GM[Othello]...BO[8 ... *]B[F5]W[F6//1.2];)".
// Only the board and the moves matter here; every other property is skipped.
bool NboardEngine::ReadGame(std::string_view text, Game& game) {
    bool haveBoard = false;
    for (std::size_t open = text.find('['); open != std::string_view::npos;
         open = text.find('[', open)) {
        std::size_t start = open;
        while (start > 0 && std::isupper(static_cast<unsigned char>(text[start - 1])) != 0) {
            --start;
        }
        const std::string_view name = text.substr(start, open - start);
        std::string value;
        std::size_t i = open + 1;
        for (; i < text.size() && text[i] != ']'; ++i) {
            i += text[i] == '\\' && i + 1 < text.size() ? 1 : 0;
            value += text[i];
        }
        if (i >= text.size()) {
            return false;
        }
        open = i + 1;
        if (name == "BO") {
            haveBoard = ReadBoard(value, game.black, game.white, game.blackToMove);
            if (!haveBoard) {
                return false;
            }
        } else if (name == "B" || name == "W") {
            const std::optional<int> move = MoveOf(value);
            if (!haveBoard || !move) {
                return false;
            }
            // The record names the mover: a side to move that it skips must have no move.
            if ((name == "B") != game.blackToMove && !Apply(game, -1)) {
                return false;
            }
            if (!Apply(game, *move)) {
                return false;
            }
        }
    }
    return haveBoard;
}

std::string NboardEngine::Execute(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::string command;
    in >> command;
    if (command == "nboard") {
        return "set myname Tarvo Othello\n";
    }
    if (command == "quit") {
        quit_ = true;
        return {};
    }
    if (command == "ping") {
        std::string n;
        in >> n;
        return "pong " + n + "\n";
    }
    if (command == "learn") {
        return "learned\n";
    }
    if (command == "go" || command == "hint") {
        return Think(command == "hint");
    }
    if (command == "set") {
        std::string what;
        in >> what;
        if (what == "depth") {
            int depth = 0;
            if (in >> depth && depth > 0) {
                depth_ = std::min(depth, limits_.depth);
            }
        } else if (what == "game") {
            std::string rest;
            std::getline(in, rest);
            if (Game game; ReadGame(rest, game)) {
                game_ = game;
            }
        }
        return {};
    }
    // "move F5/eval/time", or the move alone as older versions send it.
    std::string word = command;
    if (command == "move") {
        in >> word;
    }
    if (const std::optional<int> move = MoveOf(word)) {
        Apply(game_, *move);
    }
    return {};
}

std::string NboardEngine::Think(bool hint) {
    const Position p = game_.ToMove();
    const bool passes = Moves(p) == 0;
    if (passes && (!hint || Moves(p.theirs, p.mine) == 0)) {
        return hint ? "" : "=== PA\n";
    }
    Limits limits = limits_;
    limits.depth = depth_;
    const std::atomic<bool> stop{false};
    const auto start = std::chrono::steady_clock::now();
    const Result r = searcher_.Search(passes ? Pass(p) : p, limits, stop);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const int cell = passes ? -1 : r.cell;
    const int discs = passes ? -r.discs : r.discs;
    char text[64];
    if (hint) {
        std::snprintf(text, sizeof text, "search %s %d 0 %d\n", MoveName(cell).c_str(), discs,
                      r.depth);
    } else {
        std::snprintf(text, sizeof text, "=== %s/%d/%.2f\n", MoveName(cell).c_str(), discs,
                      took.count());
    }
    return text;
}

} // namespace tarvo::engine
