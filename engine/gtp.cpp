#include "engine/gtp.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>

namespace tarvo::engine {

namespace {

constexpr std::array<std::string_view, 16> kCommands = {
    "protocol_version", "name",          "version",   "known_command", "list_commands", "quit",
    "boardsize",        "clear_board",   "komi",      "play",          "genmove",       "undo",
    "final_score",      "time_settings", "time_left", "showboard"};

std::string Lower(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// True for black, false for white; nothing for another word.
std::optional<bool> ColourOf(const std::string& word) {
    const std::string w = Lower(word);
    if (w == "b" || w == "black") {
        return true;
    }
    if (w == "w" || w == "white") {
        return false;
    }
    return std::nullopt;
}

// A cell as column letter and row digit, -1 for a pass; nothing when neither.
std::optional<int> VertexOf(const std::string& word) {
    return Lower(word) == "pass" ? -1 : CellOf(word);
}

template <typename T> std::optional<T> NumberOf(const std::string& word) {
    T value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

// The line as the protocol reads it: control characters dropped but for
// tabs, which become blanks, and a comment from "#" on left out.
std::string Clean(std::string_view line) {
    std::string text;
    for (const char c : line.substr(0, line.find('#'))) {
        if (c == '\t') {
            text += ' ';
        } else if (static_cast<unsigned char>(c) >= 32 && c != 127) {
            text += c;
        }
    }
    return text;
}

} // namespace

GtpEngine::GtpEngine(const Limits& limits, int tableMiB)
    : limits_(limits),
      searcher_(tableMiB), board_{TournamentOpening().mine, TournamentOpening().theirs} {}

std::string GtpEngine::Execute(std::string_view line) {
    std::istringstream in(Clean(line));
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    if (words.empty()) {
        return {};
    }
    std::string id;
    if (std::ranges::all_of(words.front(), [](unsigned char c) { return std::isdigit(c); })) {
        id = words.front();
        words.erase(words.begin());
    }
    Reply reply = words.empty() ? Reply{false, "syntax error"}
                                : Run(Lower(words.front()), {words.begin() + 1, words.end()});
    // Appended piece by piece: GCC 12 at -O3 warns, wrongly, of overlapping
    // copies in a literal joined to a string.
    std::string answer(reply.ok ? "=" : "?");
    answer += id;
    if (!reply.text.empty()) {
        answer += ' ';
        answer += reply.text;
    }
    return answer + "\n\n";
}

GtpEngine::Reply GtpEngine::Run(const std::string& command, const std::vector<std::string>& args) {
    if (command == "protocol_version") {
        return {true, "2"};
    }
    if (command == "name") {
        return {true, "Tarvo Othello"};
    }
    if (command == "version") {
        return {true, "1.0.0"};
    }
    if (command == "known_command") {
        const bool known =
            args.size() == 1 && std::ranges::find(kCommands, Lower(args[0])) != kCommands.end();
        return {true, known ? "true" : "false"};
    }
    if (command == "list_commands") {
        std::string list;
        for (const std::string_view name : kCommands) {
            if (!list.empty()) {
                list += '\n';
            }
            list += name;
        }
        return {true, list};
    }
    if (command == "quit") {
        quit_ = true;
        return {};
    }
    if (command == "boardsize") {
        if (args.size() != 1 || !NumberOf<int>(args[0])) {
            return {false, "syntax error"};
        }
        return *NumberOf<int>(args[0]) == 8 ? Reply{} : Reply{false, "unacceptable size"};
    }
    if (command == "clear_board") {
        board_ = {TournamentOpening().mine, TournamentOpening().theirs};
        history_.clear();
        return {};
    }
    if (command == "komi") {
        // Othello has no komi: the value is taken and has no effect.
        return args.size() == 1 && NumberOf<double>(args[0]) ? Reply{}
                                                             : Reply{false, "syntax error"};
    }
    if (command == "play") {
        return Play(args);
    }
    if (command == "genmove") {
        return GenMove(args);
    }
    if (command == "undo") {
        if (history_.empty()) {
            return {false, "cannot undo"};
        }
        board_ = history_.back();
        history_.pop_back();
        return {};
    }
    if (command == "final_score") {
        return {true, FinalScore()};
    }
    if (command == "time_settings") {
        return TimeSettings(args);
    }
    if (command == "time_left") {
        return TimeLeft(args);
    }
    if (command == "showboard") {
        return {true, ShowBoard()};
    }
    return {false, "unknown command"};
}

void GtpEngine::Place(bool black, int cell) {
    history_.push_back(board_);
    if (cell < 0) {
        return;
    }
    Bits& mine = black ? board_.black : board_.white;
    Bits& theirs = black ? board_.white : board_.black;
    const Bits flips = Flips(mine, theirs, cell);
    mine |= flips | Bit(cell);
    theirs &= ~flips;
}

GtpEngine::Reply GtpEngine::Play(const std::vector<std::string>& args) {
    if (args.size() != 2 || !ColourOf(args[0]) || !VertexOf(args[1])) {
        return {false, "syntax error"};
    }
    const bool black = *ColourOf(args[0]);
    const int cell = *VertexOf(args[1]);
    const Bits mine = black ? board_.black : board_.white;
    const Bits theirs = black ? board_.white : board_.black;
    const Bits moves = Moves(mine, theirs);
    // A pass is a move only for a side that has none other.
    if (cell < 0 ? moves != 0 : (moves & Bit(cell)) == 0) {
        return {false, "illegal move"};
    }
    Place(black, cell);
    return {};
}

GtpEngine::Reply GtpEngine::GenMove(const std::vector<std::string>& args) {
    if (args.size() != 1 || !ColourOf(args[0])) {
        return {false, "syntax error"};
    }
    const bool black = *ColourOf(args[0]);
    const Position position =
        black ? Position{board_.black, board_.white} : Position{board_.white, board_.black};
    int cell = -1;
    if (Moves(position) != 0) {
        const std::atomic<bool> stop{false};
        cell = searcher_.Search(position, MoveLimits(black), stop).cell;
    }
    Place(black, cell);
    return {true, CellName(cell)};
}

GtpEngine::Reply GtpEngine::TimeSettings(const std::vector<std::string>& args) {
    if (args.size() != 3 || !NumberOf<int>(args[0]) || !NumberOf<int>(args[1]) ||
        !NumberOf<int>(args[2]) || *NumberOf<int>(args[0]) < 0 || *NumberOf<int>(args[1]) < 0 ||
        *NumberOf<int>(args[2]) < 0) {
        return {false, "syntax error"};
    }
    mainTime_ = *NumberOf<int>(args[0]);
    periodTime_ = *NumberOf<int>(args[1]);
    periodStones_ = *NumberOf<int>(args[2]);
    timeLeft_[0] = timeLeft_[1] = -1;
    stonesLeft_[0] = stonesLeft_[1] = 0;
    return {};
}

GtpEngine::Reply GtpEngine::TimeLeft(const std::vector<std::string>& args) {
    if (args.size() != 3 || !ColourOf(args[0]) || !NumberOf<int>(args[1]) ||
        !NumberOf<int>(args[2])) {
        return {false, "syntax error"};
    }
    const int side = *ColourOf(args[0]) ? 0 : 1;
    timeLeft_[side] = std::max(0, *NumberOf<int>(args[1]));
    stonesLeft_[side] = std::max(0, *NumberOf<int>(args[2]));
    return {};
}

Limits GtpEngine::MoveLimits(bool black) const {
    // Without time settings, or with no limit in them, the level's budget.
    if (mainTime_ < 0 || (mainTime_ == 0 && periodTime_ == 0)) {
        return limits_;
    }
    const int side = black ? 0 : 1;
    const double left = timeLeft_[side] >= 0 ? timeLeft_[side] : mainTime_;
    const int empties = Count(~(board_.black | board_.white));
    // In byo-yomi the period is shared by its stones; in the main time by the
    // side's moves still to come, with the period's share on top.
    double seconds = stonesLeft_[side] > 0
                         ? left / stonesLeft_[side]
                         : left / std::max(1, (empties + 1) / 2) +
                               (periodStones_ > 0 ? periodTime_ / periodStones_ : 0);
    // A margin for the controller's own clock and the reply's way back.
    seconds = std::max(0.01, seconds * 0.8);
    Limits limits = limits_;
    limits.time = std::chrono::milliseconds(static_cast<long long>(std::floor(seconds * 1000)));
    return limits;
}

std::string GtpEngine::FinalScore() const {
    const int black = Count(board_.black);
    const int white = Count(board_.white);
    int margin = black - white;
    // A finished game gives the empty cells to its winner.
    if (Moves(board_.black, board_.white) == 0 && Moves(board_.white, board_.black) == 0) {
        margin += margin > 0 ? 64 - black - white : margin < 0 ? black + white - 64 : 0;
    }
    if (margin == 0) {
        return "0";
    }
    std::string score(margin > 0 ? "B+" : "W+");
    return score += std::to_string(std::abs(margin));
}

std::string GtpEngine::ShowBoard() const {
    std::string text = "\n  a b c d e f g h";
    for (int row = 1; row <= 8; ++row) {
        text += '\n';
        text += std::to_string(row);
        for (int col = 1; col <= 8; ++col) {
            const Bits bit = Bit(CellIndex(row, col));
            text += (board_.black & bit) != 0 ? " X" : (board_.white & bit) != 0 ? " O" : " .";
        }
    }
    return text;
}

} // namespace tarvo::engine
