#include "app/game_record.h"

#include <algorithm>
#include <cctype>

namespace tarvo {

namespace {

using engine::Bit;
using engine::Bits;
using engine::Position;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IsSeparator(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0 || c == ',';
}

bool StartsWith(std::string_view text, std::string_view word) {
    return text.size() >= word.size() && std::equal(word.begin(), word.end(), text.begin(),
                                                    [](char w, char t) { return w == Lower(t); });
}

// The written moves: cells, or kPassMove for a pass.
std::variant<std::vector<int>, RecordError> ReadTokens(std::string_view text) {
    std::vector<int> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        const std::string_view rest = text.substr(i);
        if (const std::optional<int> cell = engine::CellOf(rest.substr(0, 2))) {
            tokens.push_back(*cell);
            i += 2;
            continue;
        }
        const std::size_t passLength = StartsWith(rest, "pass")                           ? 4
                                       : StartsWith(rest, "pa") || StartsWith(rest, "--") ? 2
                                                                                          : 0;
        if (passLength > 0) {
            tokens.push_back(kPassMove);
            i += passLength;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsSeparator(text[end]) && end - i < 12) {
            ++end;
        }
        return RecordError{RecordError::Kind::UnreadableText, static_cast<int>(tokens.size()) + 1,
                           std::string(text.substr(i, end - i))};
    }
    return tokens;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsComment(std::string_view line) {
    return line.empty() || line[0] == ';' || line[0] == '#';
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), Lower);
    return lower;
}

constexpr std::array<std::string_view, 3> kLevelNames = {"Classic", "Strong", "Expert"};

std::optional<Player> ReadPlayer(std::string_view text) {
    const std::string value = LowerCase(text);
    if (value == "person") {
        return Player{true, Level::Classic};
    }
    for (std::size_t i = 0; i < kLevelNames.size(); ++i) {
        if (value == "computer " + LowerCase(kLevelNames[i])) {
            return Player{false, static_cast<Level>(i)};
        }
    }
    return std::nullopt;
}

std::string WritePlayer(const Player& player) {
    if (player.human) {
        return "person";
    }
    std::string text = "computer ";
    text += kLevelNames[static_cast<std::size_t>(player.level)];
    return text;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

constexpr std::array<std::string_view, 6> kKeys = {"black",  "white", "date",
                                                   "result", "moves", "position"};

std::string WritePosition(const Setup& setup) {
    std::string text;
    for (int cell = 0; cell < 64; ++cell) {
        const Bits bit = Bit(cell);
        const bool mine = (setup.board.mine & bit) != 0;
        const bool black = mine == (setup.toMove == Black);
        text += ((setup.board.mine | setup.board.theirs) & bit) == 0 ? '-' : black ? 'X' : 'O';
    }
    return text + (setup.toMove == Black ? " X" : " O");
}

std::optional<Setup> ReadPosition(std::string_view text) {
    if (text.size() != 66 || text[64] != ' ' || (text[65] != 'X' && text[65] != 'O')) {
        return std::nullopt;
    }
    Setup setup{{}, text[65] == 'X' ? Black : White};
    for (int cell = 0; cell < 64; ++cell) {
        const char c = text[static_cast<std::size_t>(cell)];
        if (c == 'X' || c == 'O') {
            (c == text[65] ? setup.board.mine : setup.board.theirs) |= Bit(cell);
        } else if (c != '-') {
            return std::nullopt;
        }
    }
    return setup;
}

} // namespace

Setup SetupOf(StartPosition start) {
    return {start == StartPosition::BlackOnD4 ? engine::Opening() : engine::TournamentOpening(),
            Black};
}

std::array<int, 2> Replay::Counts() const {
    const int mover = engine::Count(last.mine);
    const int other = engine::Count(last.theirs);
    return toMove == Black ? std::array<int, 2>{mover, other} : std::array<int, 2>{other, mover};
}

std::vector<int> Replay::Moves() const {
    std::vector<int> moves;
    for (const GameStep& step : steps) {
        if (step.cell != kPassMove) {
            moves.push_back(step.cell);
        }
    }
    return moves;
}

std::variant<Replay, RecordError> ReplayMoves(const Setup& setup, const std::vector<int>& tokens) {
    Replay replay;
    replay.setup = setup;
    Position p = setup.board;
    int16_t colour = setup.toMove;
    const auto pass = [&] {
        replay.steps.push_back({colour, kPassMove, p});
        p = engine::Pass(p);
        colour = OpponentOf(colour);
    };
    const auto over = [&] { return engine::Moves(p) == 0 && engine::Moves(p.theirs, p.mine) == 0; };
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const int cell = tokens[i];
        if (over()) {
            return RecordError{RecordError::Kind::AfterTheEnd, number, engine::CellName(cell)};
        }
        const engine::Bits moves = engine::Moves(p);
        if (cell == kPassMove) {
            if (moves != 0) {
                return RecordError{RecordError::Kind::NeedlessPass, number, "pass"};
            }
            pass();
            continue;
        }
        if (moves == 0) {
            pass();
        }
        if ((engine::Moves(p) & Bit(cell)) == 0) {
            return RecordError{RecordError::Kind::IllegalMove, number, engine::CellName(cell)};
        }
        replay.steps.push_back({colour, cell, p});
        p = engine::Play(p, cell);
        colour = OpponentOf(colour);
    }
    replay.over = over();
    if (!replay.over && engine::Moves(p) == 0) {
        pass();
    }
    replay.last = p;
    replay.toMove = colour;
    return replay;
}

std::variant<Replay, RecordError> ReadTranscript(std::string_view text,
                                                 std::optional<Setup> setup) {
    auto tokens = ReadTokens(text);
    if (auto* error = std::get_if<RecordError>(&tokens)) {
        return *error;
    }
    const auto& written = std::get<std::vector<int>>(tokens);
    if (setup) {
        return ReplayMoves(*setup, written);
    }
    // No first move is legal from both starts: take the one it is legal from.
    const auto first = std::ranges::find_if(written, [](int cell) { return cell != kPassMove; });
    const bool whiteOnD4 =
        first != written.end() &&
        (engine::Moves(SetupOf(StartPosition::WhiteOnD4).board) & Bit(*first)) != 0;
    return ReplayMoves(SetupOf(whiteOnD4 ? StartPosition::WhiteOnD4 : StartPosition::BlackOnD4),
                       written);
}

std::string WriteTranscript(const Replay& replay) {
    std::string text;
    for (const int cell : replay.Moves()) {
        if (!text.empty()) {
            text += ' ';
        }
        text += engine::CellName(cell);
    }
    return text;
}

std::string WriteRecord(const GameRecord& record) {
    std::string text = "; Tarvo Othello game record\n";
    text += "Black: " + WritePlayer(record.players[0]) + "\n";
    text += "White: " + WritePlayer(record.players[1]) + "\n";
    if (!record.date.empty()) {
        text += "Date: " + record.date + "\n";
    }
    text += "Result: ";
    if (record.replay.over) {
        const auto counts = record.replay.Counts();
        text += std::to_string(counts[0]) + "-" + std::to_string(counts[1]);
    } else {
        text += "unfinished";
    }
    text += "\n";
    const Setup& setup = record.replay.setup;
    if (setup != SetupOf(StartPosition::BlackOnD4) && setup != SetupOf(StartPosition::WhiteOnD4)) {
        text += "Position: " + WritePosition(setup) + "\n";
    }
    text += "Moves: " + WriteTranscript(record.replay) + "\n";
    return text;
}

std::variant<GameRecord, RecordError> ReadRecord(std::string_view text) {
    const std::vector<std::string_view> lines = Lines(text);
    const auto keyOf = [](std::string_view line) {
        const std::size_t colon = line.find(':');
        return colon == std::string_view::npos ? std::string()
                                               : LowerCase(Trim(line.substr(0, colon)));
    };
    const bool bare = std::ranges::none_of(lines, [&](std::string_view line) {
        return std::ranges::find(kKeys, keyOf(Trim(line))) != kKeys.end();
    });
    if (bare) {
        // A board line, as endgame collections write them (anything after
        // the side to move is their comment), may stand before the moves.
        std::string moves;
        std::optional<Setup> setup;
        for (const std::string_view line : lines) {
            const std::string_view text = Trim(line);
            if (!setup && moves.empty() && text.size() >= 66 &&
                (text.size() == 66 || text[66] == ' ')) {
                setup = ReadPosition(text.substr(0, 66));
                if (setup) {
                    continue;
                }
            }
            if (!IsComment(text)) {
                moves += std::string(line) + "\n";
            }
        }
        auto replay = ReadTranscript(moves, setup);
        if (auto* error = std::get_if<RecordError>(&replay)) {
            return *error;
        }
        return GameRecord{{Player{}, Player{}}, {}, std::get<Replay>(std::move(replay))};
    }
    GameRecord record{{Player{}, Player{}}, {}, {}};
    std::optional<std::string_view> moves;
    std::optional<Setup> setup;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (IsComment(line)) {
            continue;
        }
        const int number = static_cast<int>(i) + 1;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            return RecordError{RecordError::Kind::UnreadableLine, number, std::string(line)};
        }
        const std::string key = keyOf(line);
        const std::string_view value = Trim(line.substr(colon + 1));
        if (key == "black" || key == "white") {
            const std::optional<Player> player = ReadPlayer(value);
            if (!player) {
                return RecordError{RecordError::Kind::UnreadableLine, number, std::string(line)};
            }
            record.players[key == "black" ? 0 : 1] = *player;
        } else if (key == "date") {
            record.date = value;
        } else if (key == "moves") {
            moves = value;
        } else if (key == "position") {
            setup = ReadPosition(value);
            if (!setup) {
                return RecordError{RecordError::Kind::BadPosition, number, std::string(value)};
            }
        }
    }
    if (!moves) {
        return RecordError{RecordError::Kind::NoMoves, 0, {}};
    }
    auto replay = ReadTranscript(*moves, setup);
    if (auto* error = std::get_if<RecordError>(&replay)) {
        return *error;
    }
    record.replay = std::get<Replay>(std::move(replay));
    return record;
}

} // namespace tarvo
