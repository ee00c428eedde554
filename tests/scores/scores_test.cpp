#include "game/runtime_error.h"
#include "scores/score_table.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

template <typename Call> std::string ErrorOf(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.message();
    }
    return "";
}

class ScoresTest : public testing::Test {
protected:
    std::string Contents() const {
        QFile file(store.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
    }
    void WriteRaw(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(store.filePath()).absolutePath());
        QFile file(store.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The store's error for `call`, which must leave the file as it was.
    template <typename Call> std::string ErrorLeavingTheFile(Call&& call) {
        const std::string before = Contents();
        const std::string error = ErrorOf(call);
        EXPECT_EQ(Contents(), before) << "the file was changed";
        return error;
    }
    // The ten slots as "50 40 0 ...", without the empty ones at the end.
    std::string Table() const {
        std::string text;
        for (int i = 1; i <= 10; ++i) {
            text += ' ';
            text += std::to_string(records.ScoreTable(i));
        }
        while (text.ends_with(" 0")) {
            text.resize(text.size() - 2);
        }
        return text.empty() ? text : text.substr(1);
    }
    void SetTable(std::vector<int16_t> values) {
        values.resize(10);
        for (int i = 1; i <= 10; ++i) {
            records.ScoreTable(i) = values[static_cast<std::size_t>(i - 1)];
        }
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath("config/tarvo-othello/settings.ini")};
    ScoreRecords records{store};
};

TEST(NumericValue, TheLeadingNumberRoundedHalfToEven) {
    const std::pair<const char*, int16_t> rows[] = {
        {"", 0},   {"abc", 0},   {"12abc", 12}, {"2.5", 2}, {"3.5", 4},         {" -7", -7},
        {"+5", 5}, {"1e2", 100}, {"7e", 7},     {".5", 0},  {"-32768", -32768}, {"40 50", 40}};
    for (const auto& [text, value] : rows) {
        EXPECT_EQ(NumericValue(text), value) << text;
    }
    for (const char* text : {"32768", "-32769", "1e400", "32767.5"}) {
        EXPECT_EQ(ErrorOf([&] { NumericValue(text); }), "6: Overflow") << text;
    }
}

TEST_F(ScoresTest, LoadReadsByPositionUntilAFailure) {
    const std::tuple<QByteArray, const char*, const char*> rows[] = {
        {"", "1 2 3 4 5", ""},
        {"Score1=\nScore2=40\n", "1 2 3 4 5", ""}, // an empty best slot: nothing is read
        {"Score3=60\nScore1=12abc\nScore2=\nExtra=3.5\n", "60 12 0 4 5", ""},
        {"Score1=10\nScore2=9\nScore3=8\nScore4=7\nScore5=6\nScore6=5\nScore7=4\nScore8=3\n"
         "Score9=2\nScore10=1\nScore11=99\n",
         "10 9 8 7 6 5 4 3 2 1", "9: Subscript out of range"},
        {"Score1=50\nScore2=-7\nScore3=40000\nScore4=30\n", "50 -7 3 4 5", "6: Overflow"},
    };
    for (const auto& [keys, table, error] : rows) {
        WriteRaw("[Tarvo Othello/Game scores]\n" + keys);
        SetTable({1, 2, 3, 4, 5});
        EXPECT_EQ(ErrorOf([&] { records.LoadScores(); }), error);
        EXPECT_EQ(Table(), table) << keys.data();
    }
}

TEST_F(ScoresTest, AddScoreEntersANewResultInPlaceAndSavesAllTenKeys) {
    const std::vector<int16_t> full = {64, 60, 50, 45, 40, 33, 30, 20, 12, 8};
    const std::tuple<std::vector<int16_t>, int16_t, const char*> rows[] = {
        {{}, 34, "34"},
        {{50, 40, 30}, 45, "50 45 40 30"},
        {{50, 40, 30}, 40, "50 40 30"},
        {{50, 40, 30}, 60, "60 50 40 30"},
        {{50, 40, 30}, 0, "50 40 30"},
        {full, 63, "64 63 60 50 45 40 33 30 20 12"},
        {full, 9, "64 60 50 45 40 33 30 20 12 9"},
        {full, 5, "64 60 50 45 40 33 30 20 12 8"},
    };
    for (const auto& [before, score, after] : rows) {
        SetTable(before);
        records.AddScore(score);
        EXPECT_EQ(Table(), after) << score;
        records.LoadScores();
        EXPECT_EQ(Table(), after) << score << " as stored";
        EXPECT_EQ(store.GetAll(kScoreApp, kScoreSection).back().first, "Score10");
    }
    records.ClearScores();
    EXPECT_TRUE(store.GetAll(kScoreApp, kScoreSection).empty());
    EXPECT_EQ(Table(), "");
    SetTable({50, 40});
    EXPECT_EQ(ErrorOf([&] { records.ClearScores(); }), "5: Invalid procedure call or argument");
    EXPECT_EQ(Table(), "50 40") << "a failed clear keeps the table";
}

TEST_F(ScoresTest, TheStoreKeepsAnyTextInNamesAndValues) {
    for (const QString text : {"a=b", "[x/y]", "line\nbreak\r", "back\\slash\\x41", "#comment",
                               ";note", "", " spaced ", "ünïcødé ✓"}) {
        store.Save(text, text, {{text, text}});
        EXPECT_EQ(SettingsStore(store.filePath()).Get(text, text, text), text)
            << text.toStdString();
    }
}

TEST_F(ScoresTest, AHandEditedFileIsReadAndKeepsWhatTheProgramDoesNotChange) {
    const QByteArray kept = "# my scores\n[Other/Thing]\n  a = 1\n\n[Tarvo Othello/Game scores]\n";
    WriteRaw(kept + "  score1 = 60  \n \t\n; a note\nScore2=50\n");
    records.LoadScores();
    EXPECT_EQ(Table(), "60 50");
    records.AddScore(55);
    EXPECT_EQ(Contents(), (kept + "score1=60\n \t\n; a note\nScore2=55\nScore3=50\nScore4=\n"
                                  "Score5=\nScore6=\nScore7=\nScore8=\nScore9=\nScore10=\n")
                              .toStdString());
}

TEST_F(ScoresTest, DamagedFilesRaiseAClearErrorAndAreNeverRewritten) {
    const std::pair<QByteArray, const char*> rows[] = {
        {"[A/B]\nScore1=5\ngarbage\n", "damaged at line 3"},
        {"Score1=5\n", "damaged at line 1"},
        {"[A/B\n", "damaged at line 1"},
        {"[B]\n", "damaged at line 1"},
        {"[A/B]\nk=\\x4\n", "damaged at line 2"},
        {"[A/B]\nk=[v\n", "damaged at line 2"},
        {"[A/B]\nk=1\nK = 2\n", "damaged at line 3"},
        {"[A/B]\n[A/B]\n", "damaged at line 2"},
        {QByteArray(SettingsStore::kMaxFileSize + 1, '#'), "too large"},
        {"[A/B]\nname=caf\xe9\n", "not UTF-8"},
    };
    for (const auto& [contents, message] : rows) {
        WriteRaw(contents);
        for (const std::string& error :
             {ErrorLeavingTheFile([&] { store.Get("A", "B", "k"); }), ErrorLeavingTheFile([&] {
                  store.Save("A", "B", {{"k", "9"}});
              }),
              ErrorLeavingTheFile([&] { store.DeleteSection("A", "B"); })}) {
            EXPECT_TRUE(error.starts_with("75: Path/File access error: ")) << error;
            EXPECT_NE(error.find(message), std::string::npos) << error;
        }
    }
}

} // namespace
} // namespace tarvo
