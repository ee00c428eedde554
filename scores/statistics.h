#pragma once

#include "scores/settings_format.h"

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace tarvo {

inline const QString kStatisticsSection = QStringLiteral("Statistics");

// One finished game as the statistics count it: a person against the
// computer alone or with a hint or an undo, or two people on one board.
struct FinishedGame {
    enum class Kind { Alone, WithHelp, TwoPlayers };
    Kind kind = Kind::Alone;
    QString level;     // "Classic", "Strong" or "Expert", for a game alone
    bool black = true; // the person's colour, for a game alone
    int discs = 0;     // the person's discs, or Black's between two people
    int others = 0;    // the computer's, or White's
};

// A line of counts, as kept in the settings file: "12 played, 7 won,
// 1 drawn, 4 lost, best 48"; each count a number and its word, in any order.
using Counts = std::map<QString, int>;
std::optional<Counts> ReadCounts(const QString& text);
// The counts of `key` (in any case, as the store reads keys); none counted
// when it is missing, nothing when its line cannot be read.
std::optional<Counts> CountsOf(const KeyValues& stored, const QString& key);

// The statistics of the file's Statistics section, one line a key, so that
// they read and edit as plain text:
//   Classic as Black = 12 played, 7 won, 1 drawn, 4 lost, best 48
//   With help = 3 played, 1 won, 0 drawn, 2 lost
//   Two players = 5 played, 3 won by Black, 2 won by White, 0 drawn
//   Winning streak = 2 now, 5 longest
// The winning streak counts games alone.
class Statistics {
public:
    // The keys a game changes, counted on from `stored`. A key whose value
    // cannot be read is left as it stands and named in `damaged`.
    static KeyValues Count(const KeyValues& stored, const FinishedGame& game, QStringList& damaged);
    static QString LevelKey(const QString& level, bool black);
    static const QString kWithHelp;
    static const QString kTwoPlayers;
    static const QString kStreak;
};

} // namespace tarvo
