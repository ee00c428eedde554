// tarvo-othello-engine: the engine behind the Go Text Protocol, for other
// programs to play against, on standard input and output. A first line
// "nboard N" turns it to NBoard's protocol instead.
#include "engine/gtp.h"
#include "engine/nboard.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: tarvo-othello-engine [--level strong|expert] [--time SECONDS] [--table MIB]\n"
    "Plays Othello through the Go Text Protocol on standard input and output,\n"
    "or through NBoard's protocol when the first line is \"nboard\".\n"
    "  --level  how strongly it plays (expert, about a second a move, unless given)\n"
    "  --time   the seconds a move may take, instead of the level's\n"
    "  --table  the MiB of memory the search keeps results in (4 unless given;\n"
    "           long exact solutions take fewer steps with 16, and no fewer with more)\n";

// The trained evaluation, beside the program in the build tree or in the
// data folder when installed; the simpler evaluation when it cannot be read.
const tarvo::engine::PatternWeights* Weights() {
    std::error_code failed;
    const std::filesystem::path dir =
        std::filesystem::read_symlink("/proc/self/exe", failed).parent_path();
    const std::string name = "tarvo-othello.weights";
    std::string error;
    const tarvo::engine::PatternWeights* weights = tarvo::engine::SharedWeights(
        {dir / name, (dir / TARVO_DATA_FROM_BIN / name).lexically_normal()}, error);
    if (weights == nullptr) {
        std::fprintf(stderr, "tarvo-othello-engine: %s; playing with the simpler evaluation\n",
                     error.c_str());
    }
    return weights;
}

// Answers `line` and every line after it, one protocol's engine throughout.
template <typename Engine>
int Serve(std::string line, const tarvo::engine::Limits& limits, int tableMiB) {
    Engine engine(limits, tableMiB);
    do {
        const std::string reply = engine.Execute(line);
        if (!reply.empty()) {
            std::cout << reply << std::flush;
        }
    } while (!engine.quit() && std::getline(std::cin, line));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace tarvo::engine;
    Limits limits = kExpertLevel;
    int tableMiB = Searcher::kDefaultTableMiB;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        double seconds = 0;
        int mib = 0;
        if (option == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (option == "--level" && value != nullptr && std::strcmp(value, "strong") == 0) {
            limits = kStrongLevel;
        } else if (option == "--level" && value != nullptr && std::strcmp(value, "expert") == 0) {
            limits = kExpertLevel;
        } else if (option == "--time" && value != nullptr &&
                   std::from_chars(value, value + std::strlen(value), seconds).ptr ==
                       value + std::strlen(value) &&
                   seconds > 0 && seconds <= 3600) {
            limits.depth = kExpertLevel.depth;
            limits.exactFrom = kExpertLevel.exactFrom;
            limits.time = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
        } else if (option == "--table" && value != nullptr &&
                   std::from_chars(value, value + std::strlen(value), mib).ptr ==
                       value + std::strlen(value) &&
                   mib >= 1 && mib <= 16384) {
            tableMiB = mib;
        } else {
            std::fprintf(stderr, "tarvo-othello-engine: unknown option or value: %s\n%s", argv[i],
                         kUsage);
            return 2;
        }
        ++i;
    }
    limits.weights = Weights();
    std::string first;
    if (!std::getline(std::cin, first)) {
        return 0;
    }
    try {
        return first.starts_with("nboard ") ? Serve<NboardEngine>(first, limits, tableMiB)
                                            : Serve<GtpEngine>(first, limits, tableMiB);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tarvo-othello-engine: not enough memory for a table of %d MiB\n",
                     tableMiB);
        return 1;
    }
}
