#include "game/runtime_error.h"
#include "scores/score_table.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace tarvo {
namespace {

class ScoreTableTest : public testing::Test {
protected:
    void SetTable(std::vector<int16_t> values) {
        for (int i = 1; i <= 10; ++i) {
            records.ScoreTable(i) =
                i <= static_cast<int>(values.size()) ? values[static_cast<std::size_t>(i - 1)] : 0;
        }
    }
    std::vector<int16_t> Table() const {
        std::vector<int16_t> values;
        for (int i = 0; i <= 10; ++i) {
            values.push_back(records.ScoreTable(i));
        }
        return values;
    }
    void Store(const KeyValues& keys) { store.Save(kScoreApp, kScoreSection, keys); }
    KeyValues Stored() const { return store.GetAll(kScoreApp, kScoreSection); }
    template <typename Call> std::string ErrorOf(Call&& call) {
        try {
            call();
        } catch (const RuntimeError& e) {
            return e.message();
        }
        return "no error";
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.ini")};
    ScoreRecords records{store};
};

KeyValues TenKeys(std::vector<const char*> values) {
    KeyValues keys;
    for (int n = 1; n <= 10; ++n) {
        keys.emplace_back(
            QStringLiteral("Score%1").arg(n),
            n <= static_cast<int>(values.size()) ? values[static_cast<std::size_t>(n - 1)] : "");
    }
    return keys;
}

TEST(NumericValue, TheLeadingNumberRoundedHalfToEven) {
    const std::pair<const char*, int16_t> rows[] = {
        {"", 0},     {"abc", 0}, {"12abc", 12},    {"2.5", 2},         {"3.5", 4},    {"-7", -7},
        {" 34", 34}, {"+5", 5},  {"0.5", 0},       {"1.5", 2},         {"-2.5", -2},  {"1e2", 100},
        {"7e", 7},   {".5", 0},  {"32767", 32767}, {"-32768", -32768}, {"40 50", 40}, {"-", 0},
    };
    for (const auto& [text, value] : rows) {
        EXPECT_EQ(NumericValue(text), value) << text;
    }
    for (const char* text :
         {"40000", "32768", "-32769", "1e400", "99999999999999999999", "32767.5"}) {
        try {
            NumericValue(text);
            ADD_FAILURE() << text << " fitted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.message(), "6: Overflow") << text;
        }
    }
}

TEST_F(ScoreTableTest, LoadWithoutSectionOrWithAnEmptyBestSlotChangesNothing) {
    SetTable({9});
    records.LoadScores();
    EXPECT_EQ(Table(), (std::vector<int16_t>{0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    Store(TenKeys({"", "40"}));
    records.LoadScores();
    EXPECT_EQ(Table(), (std::vector<int16_t>{0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ScoreTableTest, LoadReadsByPositionAndKeepsSlotsBeyondThePairs) {
    SetTable({1, 2, 3, 4, 5});
    Store({{"Score3", "60"}, {"Score1", "12abc"}, {"Score2", ""}, {"Extra", "3.5"}});
    records.LoadScores();
    EXPECT_EQ(Table(), (std::vector<int16_t>{0, 60, 12, 0, 4, 5, 0, 0, 0, 0, 0}))
        << "Score1 is non-empty, so the listing is loaded in its own order";
}

TEST_F(ScoreTableTest, LoadFailsOnAnEleventhKeyAfterFillingTen) {
    KeyValues keys = TenKeys({"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"});
    keys.emplace_back("Score11", "99");
    Store(keys);
    EXPECT_EQ(ErrorOf([&] { records.LoadScores(); }), "9: Subscript out of range");
    EXPECT_EQ(Table(), (std::vector<int16_t>{0, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST_F(ScoreTableTest, LoadFailsOnAValueOver16BitsKeepingEarlierSlots) {
    Store(TenKeys({"50", "-7", "40000", "30"}));
    EXPECT_EQ(ErrorOf([&] { records.LoadScores(); }), "6: Overflow");
    EXPECT_EQ(Table(), (std::vector<int16_t>{0, 50, -7, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ScoreTableTest, AddScore) {
    struct Row {
        std::vector<int16_t> before;
        int16_t score;
        std::vector<int16_t> after;
    };
    const Row rows[] = {
        {{}, 34, {34}},
        {{50, 40, 30}, 45, {50, 45, 40, 30}},
        {{50, 40, 30}, 40, {50, 40, 30}},
        {{50, 40, 30}, 60, {60, 50, 40, 30}},
        {{50, 40, 30}, 10, {50, 40, 30, 10}},
        {{50, 40, 30}, 0, {50, 40, 30}},
        {{64, 60, 50, 45, 40, 33, 30, 20, 12, 8}, 63, {64, 63, 60, 50, 45, 40, 33, 30, 20, 12}},
        {{64, 60, 50, 45, 40, 33, 30, 20, 12, 8}, 8, {64, 60, 50, 45, 40, 33, 30, 20, 12, 8}},
        {{64, 60, 50, 45, 40, 33, 30, 20, 12, 8}, 5, {64, 60, 50, 45, 40, 33, 30, 20, 12, 8}},
        {{64, 60, 50, 45, 40, 33, 30, 20, 12, 8}, 9, {64, 60, 50, 45, 40, 33, 30, 20, 12, 9}},
    };
    for (const Row& row : rows) {
        SetTable(row.before);
        records.AddScore(row.score);
        std::vector<int16_t> expected(11, 0);
        std::copy(row.after.begin(), row.after.end(), expected.begin() + 1);
        EXPECT_EQ(Table(), expected) << row.score;
        // All ten keys, every time, in order, with "" for empty slots.
        KeyValues keys;
        for (int n = 1; n <= 10; ++n) {
            const int16_t v = expected[static_cast<std::size_t>(n)];
            keys.emplace_back(QStringLiteral("Score%1").arg(n), v == 0 ? "" : QString::number(v));
        }
        EXPECT_EQ(Stored(), keys) << row.score;
    }
}

TEST_F(ScoreTableTest, AFailingWriteKeepsTheNewResultInMemoryAndTheStoredKeys) {
    Store(TenKeys({"50"}));
    QFile::remove(dir.filePath("settings.ini.lock"));
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore unwritable(dir.filePath("blocked/settings.ini"));
    ScoreRecords other(unwritable);
    other.ScoreTable(1) = 50;
    EXPECT_EQ(ErrorOf([&] { other.AddScore(55); }).substr(0, 4), "75: ");
    EXPECT_EQ(other.ScoreTable(1), 55);
    EXPECT_EQ(other.ScoreTable(2), 50);
    EXPECT_EQ(Stored(), TenKeys({"50"}));
}

TEST_F(ScoreTableTest, ClearRemovesTheSectionAndTheNextAddRecreatesAllTenKeys) {
    SetTable({50, 40});
    records.AddScore(45);
    records.ClearScores();
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(Table(), std::vector<int16_t>(11, 0));
    records.LoadScores();
    EXPECT_EQ(Table(), std::vector<int16_t>(11, 0));
    records.AddScore(20);
    EXPECT_EQ(Stored(), TenKeys({"20"}));
}

TEST_F(ScoreTableTest, ClearWithoutAStoredSectionFailsAndKeepsTheTable) {
    SetTable({50, 40});
    EXPECT_EQ(ErrorOf([&] { records.ClearScores(); }), "5: Invalid procedure call or argument");
    EXPECT_EQ(records.ScoreTable(1), 50);
    EXPECT_EQ(records.ScoreTable(2), 40);
}

} // namespace
} // namespace tarvo
