#pragma once

#include "engine/search.h"

#include <string>
#include <string_view>

namespace tarvo::engine {

// NBoard's protocol, which that board program and others speak to engines:
// the program sends the game ("set game" in the Generic Game Format), the
// moves played since ("move F5/0.5/1.2", "PA" for a pass), and asks for a
// move ("go", answered "=== F5/eval/seconds") or an analysis ("hint N",
// answered by "search" lines). The engine never plays a move on its own
// board: the program tells it which move was played. A line it does not know
// is left without an answer, as the protocol asks.
class NboardEngine {
public:
    // `limits` is the strength the engine was started with; "set depth" can
    // only make the search shallower, never longer than the level's budget.
    // The search's table takes `tableMiB`.
    explicit NboardEngine(const Limits& limits, int tableMiB = Searcher::kDefaultTableMiB);

    // The lines answering one line, each ending in a newline; nothing for a
    // line that needs no answer or is not understood.
    std::string Execute(std::string_view line);
    bool quit() const { return quit_; }

private:
    struct Game {
        Bits black = 0;
        Bits white = 0;
        bool blackToMove = true;

        // The board seen from the side to move.
        Position ToMove() const {
            return blackToMove ? Position{black, white} : Position{white, black};
        }
    };

    // Plays `cell`, -1 for a pass, for the side to move; false, with the
    // game unchanged, when that is not legal. A side without moves passes first.
    static bool Apply(Game& game, int cell);
    static bool ReadGame(std::string_view text, Game& game);
    std::string Think(bool hint);

    Limits limits_;
    int depth_;
    Searcher searcher_;
    Game game_;
    bool quit_ = false;
};

} // namespace tarvo::engine
