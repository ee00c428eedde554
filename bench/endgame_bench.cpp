// Solves endgame positions exactly, one a line of FILE: the 64 cells a1 b1 ...
// h1 a2 ... h8 as X (black), O (white) or - (empty), a blank, and the side to
// move, X or O; the rest of the line is ignored, and lines starting with #
// are skipped. Prints the best move, the final disc difference for the side
// to move, the nodes searched and the seconds taken.
#include "engine/search.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace {

using tarvo::engine::Bit;
using tarvo::engine::Position;

std::optional<Position> ParseLine(const std::string& line) {
    if (line.size() < 66 || line[64] != ' ' || (line[65] != 'X' && line[65] != 'O') ||
        (line.size() > 66 && line[66] != ' ')) {
        return std::nullopt;
    }
    Position p;
    for (int cell = 0; cell < 64; ++cell) {
        const char c = line[static_cast<std::size_t>(cell)];
        if (c == '-') {
            continue;
        }
        if (c != 'X' && c != 'O') {
            return std::nullopt;
        }
        (c == line[65] ? p.mine : p.theirs) |= Bit(cell);
    }
    return p;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: endgame_bench FILE\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "endgame_bench: cannot read " << argv[1] << "\n";
        return 1;
    }
    tarvo::engine::Searcher searcher;
    const std::atomic<bool> go{false};
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::optional<Position> p = ParseLine(line);
        if (!p) {
            std::cerr << argv[1] << ":" << number
                      << ": not 64 cells of X, O or -, a blank and the side to move (X or O)\n";
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        const tarvo::engine::Result r = searcher.Solve(*p, go);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        const std::string move = r.cell < 0 ? "pass"
                                            : std::string{static_cast<char>('a' + r.cell % 8),
                                                          static_cast<char>('1' + r.cell / 8)};
        std::printf("%s %+d %llu nodes %.3f s\n", move.c_str(), r.score,
                    static_cast<unsigned long long>(r.nodes), seconds.count());
    }
    return 0;
}
