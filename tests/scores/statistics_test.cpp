#include "scores/statistics.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using Kind = FinishedGame::Kind;

// Games counted one after another from an empty section, and the lines
// they leave.
TEST(Statistics, CountEachKindOfGameOnItsOwnLine) {
    const FinishedGame games[] = {
        {Kind::Alone, "Strong", true, 40, 24},    {Kind::Alone, "Strong", true, 36, 28},
        {Kind::Alone, "Strong", true, 30, 34},    {Kind::Alone, "Strong", false, 32, 32},
        {Kind::WithHelp, "Strong", true, 50, 14}, {Kind::TwoPlayers, "", true, 20, 44},
        {Kind::Alone, "Expert", false, 33, 31},
    };
    KeyValues stored = {{"Strong as Black", "1 played, 1 won, 0 drawn, 0 lost, best 45"},
                        {"Winning streak", "1 now, 1 longest"}};
    for (const FinishedGame& game : games) {
        QStringList damaged;
        for (auto& [key, value] : Statistics::Count(stored, game, damaged)) {
            const auto found = std::ranges::find(stored, key, &std::pair<QString, QString>::first);
            if (found == stored.end()) {
                stored.emplace_back(key, value);
            } else {
                found->second = value;
            }
        }
        EXPECT_TRUE(damaged.isEmpty());
    }
    const KeyValues expected = {
        {"Strong as Black", "4 played, 3 won, 0 drawn, 1 lost, best 45"},
        {"Winning streak", "1 now, 3 longest"},
        {"Strong as White", "1 played, 0 won, 1 drawn, 0 lost, best 32"},
        {"With help", "1 played, 1 won, 0 drawn, 0 lost"},
        {"Two players", "1 played, 0 won by Black, 1 won by White, 0 drawn"},
        {"Expert as White", "1 played, 1 won, 0 drawn, 0 lost, best 33"},
    };
    EXPECT_EQ(stored, expected);
}

TEST(Statistics, AnUnreadableLineIsNamedAndLeftAsItIs) {
    const KeyValues stored = {{"Classic as Black", "many played"},
                              {"Winning streak", "2 now,, 4 longest"}};
    QStringList damaged;
    const KeyValues changed =
        Statistics::Count(stored, {Kind::Alone, "Classic", true, 40, 24}, damaged);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(damaged, QStringList({"Classic as Black", "Winning streak"}));
    // Hand-written lines: any order, any spacing.
    const std::optional<Counts> read = ReadCounts(" best 50,2 lost ,  7 played");
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (Counts{{"best", 50}, {"lost", 2}, {"played", 7}}));
    EXPECT_FALSE(ReadCounts("1 played, 99999999999 won"));
}

} // namespace
} // namespace tarvo
