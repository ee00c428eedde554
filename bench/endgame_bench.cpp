// Solves endgame positions exactly, one a line of FILE: the 64 cells a1 b1 ...
// h1 a2 ... h8 as X (black), O (white) or - (empty), a blank, and the side to
// move, X or O; the rest of the line is ignored, and lines starting with #
// are skipped. Prints the best move, the final disc difference for the side
// to move, the nodes searched and the seconds taken.
//
//   endgame_bench [--weights WEIGHTS] [--cap SECONDS] [--table MIB] FILE
//
// With WEIGHTS the trained evaluation guides the solver, as it does in the
// game; a position not solved within the cap is reported as such. MIB is
// the size of the search's table (the game's unless given).
#include "engine/search.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

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
    const std::string usage =
        "usage: endgame_bench [--weights WEIGHTS] [--cap SECONDS] [--table MIB] FILE\n";
    std::optional<tarvo::engine::PatternWeights> weights;
    double cap = 0;
    int tableMiB = tarvo::engine::Searcher::kDefaultTableMiB;
    int arg = 1;
    for (; arg + 2 < argc; arg += 2) {
        const std::string option = argv[arg];
        if (option == "--cap") {
            cap = std::atof(argv[arg + 1]);
        } else if (option == "--table") {
            tableMiB = std::atoi(argv[arg + 1]);
        } else if (option == "--weights") {
            std::string error;
            weights = tarvo::engine::LoadWeights(argv[arg + 1], error);
            if (!weights) {
                std::cerr << "endgame_bench: " << error << "\n";
                return 1;
            }
        } else {
            break;
        }
    }
    if (arg + 1 != argc) {
        std::cerr << usage;
        return 2;
    }
    std::ifstream in(argv[arg]);
    if (!in) {
        std::cerr << "endgame_bench: cannot read " << argv[arg] << "\n";
        return 1;
    }
    tarvo::engine::Searcher searcher(tableMiB);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::optional<Position> p = ParseLine(line);
        if (!p) {
            std::cerr << argv[arg] << ":" << number
                      << ": not 64 cells of X, O or -, a blank and the side to move (X or O)\n";
            return 1;
        }
        std::atomic<bool> stop{false};
        std::mutex mutex;
        std::condition_variable solved;
        bool finished = false;
        std::thread timer([&] {
            std::unique_lock lock(mutex);
            const auto limit = std::chrono::milliseconds(std::llround(cap * 1000));
            if (cap > 0 && !solved.wait_for(lock, limit, [&] { return finished; })) {
                stop = true;
            }
        });
        const auto start = std::chrono::steady_clock::now();
        const tarvo::engine::Result r = searcher.Solve(*p, stop, weights ? &*weights : nullptr);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        {
            const std::lock_guard lock(mutex);
            finished = true;
        }
        solved.notify_one();
        timer.join();
        if (!r.exact) {
            std::printf("not solved within %.0f s\n", cap);
            std::fflush(stdout);
            continue;
        }
        const std::string move = r.cell < 0 ? "pass"
                                            : std::string{static_cast<char>('a' + r.cell % 8),
                                                          static_cast<char>('1' + r.cell / 8)};
        std::printf("%s %+d %llu nodes %.3f s\n", move.c_str(), r.score,
                    static_cast<unsigned long long>(r.nodes), seconds.count());
        std::fflush(stdout);
    }
    return 0;
}
