#include "game/runtime_error.h"
#include "scores/score_table.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

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

TEST_F(ScoresTest, LoadReadsTheTenKeysByNameAndLosesNoResult) {
    const std::tuple<QByteArray, const char*, const char*> rows[] = {
        {"[Other/Section]\n", "", ""}, // no table is an empty table
        {"[Tarvo Othello/Game scores]\nScore1=\nScore2=40\n", "40", ""},
        {"[Tarvo Othello/Game scores]\nScore3=60\nScore1=12abc\nScore2=\nExtra=3.5\n", "60 12", ""},
        {"[Tarvo Othello/Game scores]\nscore1 = 60\nplayer = Ann\nscore2 = 40\n", "60 40", ""},
        {"[Tarvo Othello/Game scores]\nScore2=50\nScore1=60\nScore3=50\n", "60 50", ""},
        {"[Tarvo Othello/Game scores]\nScore1=10\nScore2=9\nScore3=8\nScore4=7\nScore5=6\n"
         "Score6=5\nScore7=4\nScore8=3\nScore9=2\nScore10=1\nScore11=99\n",
         "10 9 8 7 6 5 4 3 2 1", ""},
        {"[Tarvo Othello/Game scores]\nScore1=50\nScore2=-7\n\nScore3=40000\n", "1 2 3 4 5",
         "6: Overflow in FILE at line 5: 40000 does not fit, so the table was left as it is"},
    };
    for (const auto& [contents, table, error] : rows) {
        WriteRaw(contents);
        SetTable({1, 2, 3, 4, 5});
        std::string expected = error;
        if (const auto at = expected.find("FILE"); at != std::string::npos) {
            expected.replace(at, 4, store.filePath().toStdString());
        }
        EXPECT_EQ(ErrorOf([&] { records.LoadScores(); }), expected);
        EXPECT_EQ(Table(), table) << contents.data();
    }
}

TEST_F(ScoresTest, ANewResultKeepsOtherKeysWhereTheyStandAndATableRemovedElsewhereStaysGone) {
    WriteRaw("[Tarvo Othello/Game scores]\nscore1 = 60\nplayer = Ann\nscore2 = 40\n");
    for (const int16_t score : {29, 28}) {
        records.RecordScore(score);
    }
    EXPECT_EQ(Table(), "60 40 29 28");
    EXPECT_EQ(Contents(), "[Tarvo Othello/Game scores]\nscore1=60\nplayer = Ann\nscore2=40\n"
                          "Score3=29\nScore4=28\nScore5=\nScore6=\nScore7=\nScore8=\nScore9=\n"
                          "Score10=\n");
    // Another game resets the table: its old results do not come back.
    ASSERT_TRUE(SettingsStore(store.filePath()).DeleteSection(kScoreApp, kScoreSection));
    records.RecordScore(30);
    EXPECT_EQ(Table(), "30");
    records.ClearScores();
    records.ClearScores(); // a table that is gone already is cleared without a fuss
    EXPECT_EQ(Table(), "");
}

TEST_F(ScoresTest, AddScoreEntersANewResultInPlaceAndSavesAllTenKeys) {
    const std::vector<int16_t> full = {64, 60, 50, 45, 40, 33, 30, 20, 12, 8};
    const std::tuple<std::vector<int16_t>, int16_t, const char*> rows[] = {
        {{}, 34, "34"},
        {{50, 40, 30}, 45, "50 45 40 30"},
        {{50, 40, 30}, 40, "50 40 30"}, // an equal result is not entered above or below
        {{50, 40, 30}, 50, "50 40 30"},
        {full, 8, "64 60 50 45 40 33 30 20 12 8"},
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

TEST_F(ScoresTest, ADamagedLineSpoilsOnlyItsSectionWhichCanStillBeCleared) {
    const std::pair<QByteArray, int> rows[] = {
        {"[A/B]\nk=5\ngarbage\n", 3},
        {"[A/B]\nk=\\x4\n", 2},
        {"[A/B]\nk=[v\n", 2},
        {"[A/B]\nk=1\nK = 2\n", 3},
        {"[A/B]\n[A/B]\n", 0},
        {"Score1=5\n", 0},
        {"[\n[A/B]\n", 0},
        {"[A/B\nk=1\n[A/B]\n", 0},
    };
    for (const auto& [damage, line] : rows) {
        const QByteArray contents = damage + "[Other/Options]\nLevel=Expert\n";
        WriteRaw(contents);
        const std::string where = "damaged at line " + std::to_string(line);
        EXPECT_NE(ErrorOf([&] { store.Check(); }).find("damaged at line"), std::string::npos);
        if (line > 0) {
            for (const std::string& error :
                 {ErrorLeavingTheFile([&] { store.Get("A", "B", "k"); }), ErrorLeavingTheFile([&] {
                      store.Save("A", "B", {{"k", "9"}});
                  })}) {
                EXPECT_NE(error.find(where), std::string::npos) << error;
            }
        }
        store.Save("Other", "Options", {{"Level", "Strong"}});
        EXPECT_EQ(store.Get("Other", "Options", "level"), "Strong") << contents.data();
        if (line > 0) {
            EXPECT_TRUE(store.DeleteSection("A", "B"));
            EXPECT_EQ(Contents(), "[Other/Options]\nLevel=Strong\n") << contents.data();
        } else {
            EXPECT_EQ(Contents(), damage.toStdString() + "[Other/Options]\nLevel=Strong\n")
                << "the damaged line stays as it is";
        }
    }
}

TEST_F(ScoresTest, AFileThatCannotBeReadAtAllIsNeverRewritten) {
    WriteRaw("");
    QFile::remove(store.filePath());
    ASSERT_EQ(mkfifo(store.filePath().toLocal8Bit().constData(), 0600), 0);
    EXPECT_NE(ErrorOf([&] {
                  store.Save("A", "B", {{"k", "9"}});
              }).find("not a regular file"),
              std::string::npos);
    QFile::remove(store.filePath());
    const std::pair<QByteArray, const char*> rows[] = {
        {QByteArray(SettingsStore::kMaxFileSize + 1, '#'), "too large"},
        {"[A/B]\nname=caf\xe9\n", "not UTF-8"},
    };
    for (const auto& [contents, message] : rows) {
        WriteRaw(contents);
        for (const std::string& error :
             {ErrorLeavingTheFile([&] { store.Check(); }),
              ErrorLeavingTheFile([&] { store.Get("A", "B", "k"); }), ErrorLeavingTheFile([&] {
                  store.Save("A", "B", {{"k", "9"}});
              }),
              ErrorLeavingTheFile([&] { store.DeleteSection("A", "B"); })}) {
            EXPECT_TRUE(error.starts_with("75: Path/File access error: ")) << error;
            EXPECT_NE(error.find(message), std::string::npos) << error;
        }
    }
}

TEST_F(ScoresTest, AWriteTheDiskCannotHoldLeavesTheOldFileAndKeepsTheResult) {
    SetTable({50, 40});
    records.AddScore(30);
    const std::string before = Contents();
    // The system refuses to let a file grow past this limit, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{static_cast<rlim_t>(before.size()), limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = ErrorOf([&] {
        store.Save("Tarvo Othello", "Options", {{"Level", "Expert"}});
    });
    const std::string recorded = ErrorOf([&] { records.RecordScore(45); });
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_NE(error.find("so nothing was changed"), std::string::npos) << error;
    EXPECT_FALSE(recorded.empty());
    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(Table(), "50 45 40 30") << "the result is kept for the session";
}

TEST_F(ScoresTest, WritesCreatePrivateFoldersAndClearAwayKilledWritesLeftovers) {
    const QString folder = QFileInfo(store.filePath()).absolutePath();
    store.Save("A", "B", {{"k", "1"}});
    EXPECT_EQ(QFile::permissions(folder) & 0x0077, 0) << "no one else may look in";
    for (const char* name : {"settings.ini.a1B2c3", "settings.ini.mine", "other.ini.a1B2c3"}) {
        QFile(folder + '/' + name).open(QIODevice::WriteOnly);
    }
    store.Save("A", "B", {{"k", "2"}});
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{"other.ini.a1B2c3", "settings.ini", "settings.ini.mine"}));
    const QString home = dir.filePath("home");
    qputenv("HOME", home.toLocal8Bit());
    for (const char* config : {"relative/config", ""}) {
        qputenv("XDG_CONFIG_HOME", config);
        EXPECT_EQ(SettingsStore::DefaultPath(), home + "/.config/tarvo-othello/settings.ini");
    }
    qputenv("XDG_CONFIG_HOME", dir.filePath("xdg").toLocal8Bit());
    EXPECT_EQ(SettingsStore::DefaultPath(), dir.filePath("xdg/tarvo-othello/settings.ini"));
}

} // namespace
} // namespace tarvo
