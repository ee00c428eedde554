#include "scores/statistics.h"

#include <QRegularExpression>
#include <algorithm>

namespace tarvo {

const QString Statistics::kWithHelp = QStringLiteral("With help");
const QString Statistics::kTwoPlayers = QStringLiteral("Two players");
const QString Statistics::kStreak = QStringLiteral("Winning streak");

namespace {

// The words of each kind of line, in the order they are written.
const QStringList kTallyWords = {QStringLiteral("played"), QStringLiteral("won"),
                                 QStringLiteral("drawn"), QStringLiteral("lost")};
const QStringList kTwoPlayerWords = {QStringLiteral("played"), QStringLiteral("won by Black"),
                                     QStringLiteral("won by White"), QStringLiteral("drawn")};
const QStringList kStreakWords = {QStringLiteral("now"), QStringLiteral("longest")};

QString WriteCounts(const Counts& counts, const QStringList& words, bool best) {
    QStringList parts;
    for (const QString& word : words) {
        const auto found = counts.find(word);
        parts << QStringLiteral("%1 %2").arg(found == counts.end() ? 0 : found->second).arg(word);
    }
    if (best) {
        const auto found = counts.find(QStringLiteral("best"));
        parts << QStringLiteral("best %1").arg(found == counts.end() ? 0 : found->second);
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace

std::optional<Counts> ReadCounts(const QString& text) {
    static const QRegularExpression count(QStringLiteral(R"(^(\d{1,9}) ([a-zA-Z ]+)$)"));
    static const QRegularExpression best(QStringLiteral(R"(^best (\d{1,9})$)"));
    Counts counts;
    if (text.trimmed().isEmpty()) {
        return counts;
    }
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QString item = part.simplified();
        if (const auto match = best.match(item); match.hasMatch()) {
            counts[QStringLiteral("best")] = match.captured(1).toInt();
        } else if (const auto counted = count.match(item); counted.hasMatch()) {
            counts[counted.captured(2)] = counted.captured(1).toInt();
        } else {
            return std::nullopt;
        }
    }
    return counts;
}

std::optional<Counts> CountsOf(const KeyValues& stored, const QString& key) {
    const auto found = std::ranges::find_if(stored, [&key](const auto& pair) {
        return pair.first.compare(key, Qt::CaseInsensitive) == 0;
    });
    return ReadCounts(found == stored.end() ? QString() : found->second);
}

QString Statistics::LevelKey(const QString& level, bool black) {
    return level + (black ? QStringLiteral(" as Black") : QStringLiteral(" as White"));
}

KeyValues Statistics::Count(const KeyValues& stored, const FinishedGame& game,
                            QStringList& damaged) {
    const auto read = [&](const QString& key) -> std::optional<Counts> {
        const std::optional<Counts> counts = CountsOf(stored, key);
        if (!counts) {
            damaged << key;
        }
        return counts;
    };
    KeyValues changed;
    const int difference = game.discs - game.others;
    if (game.kind == FinishedGame::Kind::TwoPlayers) {
        if (auto counts = read(kTwoPlayers)) {
            ++(*counts)[QStringLiteral("played")];
            ++(*counts)[difference > 0   ? QStringLiteral("won by Black")
                        : difference < 0 ? QStringLiteral("won by White")
                                         : QStringLiteral("drawn")];
            changed.emplace_back(kTwoPlayers, WriteCounts(*counts, kTwoPlayerWords, false));
        }
        return changed;
    }
    const bool alone = game.kind == FinishedGame::Kind::Alone;
    const QString key = alone ? LevelKey(game.level, game.black) : kWithHelp;
    if (auto counts = read(key)) {
        ++(*counts)[QStringLiteral("played")];
        ++(*counts)[difference > 0   ? QStringLiteral("won")
                    : difference < 0 ? QStringLiteral("lost")
                                     : QStringLiteral("drawn")];
        if (alone) {
            int& best = (*counts)[QStringLiteral("best")];
            best = std::max(best, game.discs);
        }
        changed.emplace_back(key, WriteCounts(*counts, kTallyWords, alone));
    }
    if (alone) {
        if (auto streak = read(kStreak)) {
            int& now = (*streak)[QStringLiteral("now")];
            now = difference > 0 ? now + 1 : 0;
            int& longest = (*streak)[QStringLiteral("longest")];
            longest = std::max(longest, now);
            changed.emplace_back(kStreak, WriteCounts(*streak, kStreakWords, false));
        }
    }
    return changed;
}

} // namespace tarvo
