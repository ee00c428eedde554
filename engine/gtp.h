#pragma once

#include "engine/search.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvo::engine {

// The Go Text Protocol as Othello programs speak it: cells as a column letter
// and a row digit, a1 at the top left as in Othello's own notation ("play
// black f5"), and "pass" for a pass. One command a line in, one reply out:
// "=" or "?" with the command's id, the answer, and an empty line.
class GtpEngine {
public:
    // `limits` is how long a move is searched until time settings say more;
    // the search's table takes `tableMiB`.
    explicit GtpEngine(const Limits& limits, int tableMiB = Searcher::kDefaultTableMiB);

    // The reply to one line; nothing for a line that holds no command.
    std::string Execute(std::string_view line);
    // True once "quit" was answered.
    bool quit() const { return quit_; }

private:
    struct Board {
        Bits black = 0;
        Bits white = 0;
    };
    struct Reply {
        bool ok = true;
        std::string text;
    };

    Reply Run(const std::string& command, const std::vector<std::string>& args);
    Reply Play(const std::vector<std::string>& args);
    Reply GenMove(const std::vector<std::string>& args);
    Reply TimeSettings(const std::vector<std::string>& args);
    Reply TimeLeft(const std::vector<std::string>& args);
    std::string FinalScore() const;
    std::string ShowBoard() const;
    // The move's budget for `black` under the time settings, if any.
    Limits MoveLimits(bool black) const;
    void Place(bool black, int cell);

    Limits limits_;
    Searcher searcher_;
    Board board_;
    std::vector<Board> history_;
    // Seconds: the main time, then per period the byo-yomi time and stones;
    // what is left of each side's clock, as the controller reports it.
    double mainTime_ = -1;
    double periodTime_ = 0;
    int periodStones_ = 0;
    double timeLeft_[2] = {-1, -1};
    int stonesLeft_[2] = {0, 0};
    bool quit_ = false;
};

} // namespace tarvo::engine
