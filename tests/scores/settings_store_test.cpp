#include "game/runtime_error.h"
#include "scores/settings_store.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

const QString kApp = QStringLiteral("Tarvo Othello");
const QString kSection = QStringLiteral("Game scores");

class SettingsStoreTest : public testing::Test {
protected:
    QString Path() const { return dir.filePath("config/tarvo-othello/settings.ini"); }
    QByteArray Contents() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteRaw(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(Path()).absolutePath());
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The store's error for `call`, with the file left exactly as it was.
    template <typename Call> std::string ErrorLeavingTheFile(Call&& call) {
        const QByteArray before = Contents();
        try {
            call();
        } catch (const RuntimeError& e) {
            EXPECT_EQ(Contents(), before) << "the file was changed";
            return e.message();
        }
        ADD_FAILURE() << "no error";
        return {};
    }

    QTemporaryDir dir;
    SettingsStore store{Path()};
};

TEST_F(SettingsStoreTest, AMissingFileOrSectionReadsAsEmpty) {
    EXPECT_EQ(store.Get(kApp, kSection, "Score1"), "");
    EXPECT_TRUE(store.GetAll(kApp, kSection).empty());
    store.Save(kApp, "Other", {{"a", "1"}});
    EXPECT_TRUE(store.GetAll(kApp, kSection).empty());
    EXPECT_EQ(store.Get(kApp, "Other", "b"), "");
}

TEST_F(SettingsStoreTest, KeysKeepTheOrderOfTheirFirstCreationAcrossRewrites) {
    store.Save(kApp, kSection, {{"Score3", "7"}, {"Score1", "9"}});
    store.Save(kApp, "Other", {{"x", "y"}});
    store.Save(kApp, kSection, {{"Score2", "8"}, {"Score1", "10"}});
    const KeyValues expected = {{"Score3", "7"}, {"Score1", "10"}, {"Score2", "8"}};
    EXPECT_EQ(store.GetAll(kApp, kSection), expected);
    EXPECT_EQ(SettingsStore(Path()).GetAll(kApp, kSection), expected);
    EXPECT_EQ(store.Get(kApp, kSection, "Score1"), "10");
    EXPECT_TRUE(Contents().contains("[Tarvo Othello/Game scores]\nScore3=7\nScore1=10\nScore2=8\n"))
        << Contents().toStdString();
}

TEST_F(SettingsStoreTest, NoNameOrValueCanBreakTheFile) {
    const QString nasty[] = {
        "a=b",        "[x/y]", "line\nbreak\r", "back\\slash\\x41",  "#comment",
        "  spaced  ", "",      "ünïcødé ✓",     QString(QChar(0x7f))};
    for (const QString& text : nasty) {
        store.Save(text, text, {{text, text}, {text + "2", text}});
    }
    for (const QString& text : nasty) {
        const KeyValues expected = {{text, text}, {text + "2", text}};
        EXPECT_EQ(SettingsStore(Path()).GetAll(text, text), expected) << text.toStdString();
    }
    EXPECT_EQ(Contents().count('\n'), 1 + std::size(nasty) * 4) << Contents().toStdString();
}

TEST_F(SettingsStoreTest, DeleteSectionRemovesOnlyItAndFailsWhenItIsMissing) {
    store.Save(kApp, kSection, {{"Score1", "5"}});
    store.Save(kApp, "Other", {{"a", "1"}});
    store.DeleteSection(kApp, kSection);
    EXPECT_TRUE(store.GetAll(kApp, kSection).empty());
    EXPECT_EQ(store.Get(kApp, "Other", "a"), "1");
    EXPECT_EQ(ErrorLeavingTheFile([&] { store.DeleteSection(kApp, kSection); }),
              "5: Invalid procedure call or argument");
}

TEST_F(SettingsStoreTest, DamagedFilesRaiseAClearErrorAndAreNeverRewritten) {
    struct Row {
        const char* name;
        QByteArray contents;
        const char* message;
    };
    const Row rows[] = {
        {"a line that is neither", "[Tarvo Othello/Game scores]\nScore1=5\ngarbage\n",
         "damaged at line 3"},
        {"a key before any section", "Score1=5\n", "damaged at line 1"},
        {"an unclosed section", "[Tarvo Othello/Game scores\n", "damaged at line 1"},
        {"a section without application", "[Game scores]\n", "damaged at line 1"},
        {"a bad escape", "[Tarvo Othello/Game scores]\nScore1=\\x4\n", "damaged at line 2"},
        {"a raw bracket in a value", "[A/B]\nk=[v\n", "damaged at line 2"},
        {"the same key twice", "[A/B]\nk=1\nk=2\n", "damaged at line 3"},
        {"the same section twice", "[A/B]\n[A/B]\n", "damaged at line 2"},
        {"truncated in an escape", "[A/B]\nk=ab\\x", "damaged at line 2"},
        {"huge", QByteArray(SettingsStore::kMaxFileSize + 1, '#'), "too large"},
        // Written back, its other characters would be lost.
        {"not UTF-8", "[A/B]\nname=caf\xe9\n", "not UTF-8"},
        {"a section's escaped slash twice", "[A/B\\x2fC]\n[A/B\\x2FC]\n", "damaged at line 2"},
    };
    for (const Row& row : rows) {
        WriteRaw(row.contents);
        for (const std::string& message :
             {ErrorLeavingTheFile([&] { store.Get(kApp, kSection, "Score1"); }),
              ErrorLeavingTheFile([&] {
                  store.Save(kApp, kSection, {{"Score1", "9"}});
              }),
              ErrorLeavingTheFile([&] { store.DeleteSection(kApp, kSection); })}) {
            EXPECT_EQ(message.rfind("75: Path/File access error: ", 0), 0u) << row.name;
            EXPECT_NE(message.find(row.message), std::string::npos) << row.name << ": " << message;
            EXPECT_NE(message.find("left as it is"), std::string::npos) << row.name;
        }
    }
}

TEST_F(SettingsStoreTest, AFileNearTheSizeLimitIsReadWholeAndNeverGrowsPastIt) {
    // Many keys in one file: a check for repeats that compared every pair
    // would take minutes here.
    QByteArray text = "[A/B]\n";
    int keys = 0;
    while (text.size() < SettingsStore::kMaxFileSize - 4096) {
        text += "key" + QByteArray::number(keys) + "=" + QByteArray::number(keys % 97) + "\n";
        ++keys;
    }
    WriteRaw(text);
    const KeyValues all = store.GetAll("A", "B");
    ASSERT_EQ(static_cast<int>(all.size()), keys);
    EXPECT_GT(keys, 50'000);
    EXPECT_EQ(all.back().first, "key" + QString::number(keys - 1));
    store.Save("A", "B", {{"key0", "changed"}});
    EXPECT_EQ(store.Get("A", "B", "key0"), "changed");
    EXPECT_EQ(store.GetAll("A", "B").size(), all.size());
    // A write that would pass the limit is refused, and the file stays readable.
    const std::string message = ErrorLeavingTheFile([&] {
        store.Save("A", "B", {{"big", QString(8192, QLatin1Char('x'))}});
    });
    EXPECT_NE(message.find("would grow too large"), std::string::npos) << message;
    EXPECT_EQ(store.GetAll("A", "B").size(), all.size());
}

TEST_F(SettingsStoreTest, HandEditedFilesWithCommentsAndCarriageReturnsAreRead) {
    WriteRaw("# my scores\r\n\r\n[Tarvo Othello/Game scores]\r\nScore2=40\r\nScore1=50\r\n");
    EXPECT_EQ(store.GetAll(kApp, kSection), (KeyValues{{"Score2", "40"}, {"Score1", "50"}}));
}

TEST_F(SettingsStoreTest, TwoStoresOnOneFileKeepEachOthersWrites) {
    SettingsStore other(Path());
    store.Save(kApp, kSection, {{"a", "1"}});
    other.Save(kApp, kSection, {{"b", "2"}});
    store.Save(kApp, kSection, {{"c", "3"}});
    other.Save(kApp, "Other", {{"d", "4"}});
    EXPECT_EQ(store.GetAll(kApp, kSection), (KeyValues{{"a", "1"}, {"b", "2"}, {"c", "3"}}));
    EXPECT_EQ(store.Get(kApp, "Other", "d"), "4");
}

TEST_F(SettingsStoreTest, ALockLeftByAKilledGameDoesNotBlockTheNextWrite) {
    store.Save(kApp, kSection, {{"a", "1"}});
    QFile lock(Path() + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // The lock file of a process that no longer runs on this machine.
    lock.write("2147483646\ntarvo-othello\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    store.Save(kApp, kSection, {{"b", "2"}});
    EXPECT_EQ(store.Get(kApp, kSection, "b"), "2");
    EXPECT_FALSE(QFile::exists(Path() + ".lock"));
}

TEST_F(SettingsStoreTest, AFolderThatCannotBeCreatedGivesAClearErrorAndKeepsNothingHalfDone) {
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore blocked(dir.filePath("blocker/tarvo-othello/settings.ini"));
    try {
        blocked.Save(kApp, kSection, {{"Score1", "5"}});
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 75);
        EXPECT_NE(e.message().find("blocker/tarvo-othello/settings.ini"), std::string::npos)
            << e.message();
    }
    EXPECT_EQ(blocked.Get(kApp, kSection, "Score1"), "");
}

TEST_F(SettingsStoreTest, TheDefaultFileLiesInTheUsersConfigurationFolder) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath("xdg").toUtf8());
    const QString path = SettingsStore::DefaultPath();
    qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(path, dir.filePath("xdg/tarvo-othello/settings.ini"));
    SettingsStore fresh(path);
    fresh.Save(kApp, kSection, {{"Score1", "12"}});
    EXPECT_TRUE(QFile::exists(path)) << "the missing folder is created";
}

} // namespace
} // namespace tarvo
