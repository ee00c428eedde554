// Every bad input a user or the system can give, each with its clear message
// or the behaviour the game defines, and nothing already stored lost.
#include "app/frm_othello.h"
#include "dialogs/frm_about.h"
#include "scores/score_sheet.h"
#include "support/fake_programs.h"
#include "window_fixture.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::ScopedEnv;
using test::WriteProgram;

// Closes every modal window while it lives: message boxes with their default
// button, after noting their text, and the score sheet after noting its lines.
class ModalCloser {
public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                texts << box->text();
                box->defaultButton() != nullptr ? box->defaultButton()->click() : box->reject();
            } else if (auto* sheet = dynamic_cast<scoresheet*>(modal)) {
                sheetLines = sheet->lines();
                sheet->reject();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
        });
        timer_.start(2);
    }

    QStringList texts;
    QStringList sheetLines;

private:
    QTimer timer_;
};

class BadInputTest : public test::WindowFixture {
protected:
    void WriteSettings(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(store.filePath()).absolutePath());
        QFile file(store.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Settings() const { return test::ReadAll(store.filePath()); }

    QTemporaryDir bin;
    ScopedEnv path{"PATH", QFile::encodeName(bin.path())};
};

TEST_F(BadInputTest, SettingsFilesThatCannotBeUsedAreReportedAndKept) {
    const QByteArray header = "[Tarvo Othello/Game scores]\n";
    const struct {
        const char* name;
        QByteArray file;
        const char* message; // of the score sheet and of the game's end
    } rows[] = {
        {"damaged", header + "Score1=52\nthis is no setting\n", "damaged at line 3"},
        {"truncated", header + "Score1=52\nScore2=\\x3", "damaged at line 3"},
        {"cut in its header", "[Tarvo Othello/Game sc", "damaged at line 1"},
        {"not UTF-8", header + "Score1=52\nname=caf\xe9\n", "not UTF-8"},
        {"huge", QByteArray(SettingsStore::kMaxFileSize + 10, '#'), "too large"},
        {"an eleventh key",
         header + "Score1=52\nScore2=\nScore3=\nScore4=\nScore5=\nScore6=\n"
                  "Score7=\nScore8=\nScore9=\nScore10=\nScore11=3\n",
         "9: Subscript out of range"},
        {"a value over 16 bits", header + "Score1=40000\n", "6: Overflow"},
    };
    for (const auto& row : rows) {
        WriteSettings(row.file);
        ModalCloser closer;
        window.mnuGameScore_Click();
        window.RecordScore(20);
        ASSERT_EQ(closer.texts.size(), 2) << row.name;
        for (const QString& text : closer.texts) {
            EXPECT_TRUE(text.contains(QLatin1String(row.message)))
                << row.name << ": " << text.toStdString();
        }
        EXPECT_EQ(Settings(), row.file) << row.name << ": the file was changed";
    }
}

TEST_F(BadInputTest, KeysInAnotherOrderAreReadByPosition) {
    const QByteArray file = "[Tarvo Othello/Game scores]\nScore3=10\nScore1=30\nScore2=20\n";
    WriteSettings(file);
    ModalCloser closer;
    window.mnuGameScore_Click();
    EXPECT_EQ(closer.texts, QStringList{});
    EXPECT_EQ(closer.sheetLines, (QStringList{" 10 ", " 30 ", " 20 "}));
    EXPECT_EQ(Settings(), file);
}

TEST_F(BadInputTest, AConfigFolderThatCannotBeMadeKeepsTheScoreInMemory) {
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore unwritable(dir.filePath("blocked/tarvo-othello/settings.ini"));
    ScoreRecords records(unwritable);
    frmOthello other(clock, records);
    ModalCloser closer;
    other.RecordScore(33);
    ASSERT_EQ(closer.texts.size(), 1);
    EXPECT_TRUE(closer.texts[0].startsWith("75: Path/File access error: "))
        << closer.texts[0].toStdString();
    EXPECT_EQ(records.ScoreTable(1), 33);
}

TEST_F(BadInputTest, AMissingConfigFolderIsCreated) {
    SettingsStore fresh(dir.filePath("new/tarvo-othello/settings.ini"));
    ScoreRecords records(fresh);
    frmOthello other(clock, records);
    ModalCloser closer;
    other.RecordScore(33);
    EXPECT_EQ(closer.texts, QStringList{});
    EXPECT_EQ(fresh.Get(kScoreApp, kScoreSection, "Score1"), "33");
}

TEST_F(BadInputTest, AStoredTableThatCannotBeReadIsNotWrittenOver) {
    const QByteArray file = "[Tarvo Othello/Game scores]\nScore1=40000\nScore2=50\nScore3=45\n";
    WriteSettings(file);
    ModalCloser closer;
    window.RecordScore(20);
    EXPECT_EQ(closer.texts, QStringList{"6: Overflow"});
    EXPECT_EQ(Settings(), file) << "the results 50 and 45 are kept";
}

TEST_F(BadInputTest, MissingProgramsAndDocumentsAreExplained) {
    const QString broken = "[Desktop Entry]\nExec=/nonexistent/browser %u\n";
    QTemporaryDir data;
    ScopedEnv dataHome("XDG_DATA_HOME", QFile::encodeName(data.path()));
    ScopedEnv dataDirs("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    QDir().mkpath(data.filePath("applications"));
    QFile entry(data.filePath("applications/broken.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write(broken.toUtf8());
    entry.close();
    const struct {
        const char* name;
        std::function<void()> act;
        const char* message;
    } rows[] = {
        {"no browser", [&] { window.mnuHelpWeb_Click(); },
         "Could not find associated Browser\n0: "},
        {"a browser that cannot start",
         [&] {
             WriteProgram(bin.path(), "xdg-mime", "echo broken.desktop");
             window.mnuHelpWeb_Click();
         },
         "Web site not located\n0: "},
        {"no system-information program",
         [&] {
             frmAbout about(&window, [](const QString&) {});
             about.cmdSysInfo->click();
         },
         "System Information Is Unavailable At This Time"},
    };
    for (const auto& row : rows) {
        ModalCloser closer;
        row.act();
        EXPECT_EQ(closer.texts, QStringList{row.message}) << row.name;
    }
    window.helpViewer()->setCandidates({dir.filePath("no-help.html")});
    window.mnuHelpTopics_Click();
    EXPECT_TRUE(window.helpViewer()->browser()->toPlainText().contains("Help is not available"));
    window.helpViewer()->close();
}

TEST(ClockThatJumps, PausesUseAMonotonicClock) {
    EXPECT_EQ(QElapsedTimer::clockType(), QElapsedTimer::MonotonicClock);
    EXPECT_TRUE(QElapsedTimer::isMonotonic());
    // A clock that leaps forward ends the pause at its next reading.
    test::FakeClock clock;
    EventWaits waits(clock);
    QTimer::singleShot(0, [&] {
        clock.now += 3'600'000;
        waits.Wake();
    });
    EXPECT_TRUE(waits.Pause(60'000));
}

} // namespace
} // namespace tarvo
