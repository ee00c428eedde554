// Every bad input a user or the system can give: each gets its clear message,
// and nothing already stored is lost.
#include "dialogs/frm_about.h"
#include "scores/score_sheet.h"
#include "support/fake_programs.h"
#include "window_fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

// While it lives, notes and closes every message box (with its default
// button) and the score sheet (noting its lines).
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
        QFile file(store.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Settings() const { return test::ReadWhenThere(store.filePath()); }

    QTemporaryDir bin;
    test::ScopedEnv path{"PATH", QFile::encodeName(bin.path())};
};

TEST_F(BadInputTest, SettingsFilesThatCannotBeUsedAreReportedAndKept) {
    const QByteArray header = "[Tarvo Othello/Game scores]\n";
    const std::pair<QByteArray, const char*> rows[] = {
        {header + "Score1=52\nthis is no setting\n", "damaged at line 3"},
        {header + "Score1=52\nScore2=\\x3", "damaged at line 3"},
        {"[Tarvo Othello/Game sc", "damaged at line 1"},
        {header + "Score1=52\nname=caf\xe9\n", "not UTF-8"},
        {QByteArray(SettingsStore::kMaxFileSize + 10, '#'), "too large"},
        {header + "Score1=40000\nScore2=50\n", "6: Overflow"},
    };
    for (const auto& [file, message] : rows) {
        WriteSettings(file);
        ModalCloser closer;
        window.mnuGameScore_Click();
        window.RecordScore(20);
        ASSERT_EQ(closer.texts.size(), 2) << message;
        for (const QString& text : closer.texts) {
            EXPECT_TRUE(text.contains(QLatin1String(message))) << text.toStdString();
        }
        EXPECT_EQ(Settings(), file) << message << ": the file was changed";
    }
}

TEST_F(BadInputTest, KeysInAnotherOrderAreReadByPosition) {
    WriteSettings("[Tarvo Othello/Game scores]\nScore3=10\nScore1=30\nScore2=20\n");
    ModalCloser closer;
    window.mnuGameScore_Click();
    EXPECT_EQ(closer.sheetLines, (QStringList{" 10 ", " 30 ", " 20 "}));
}

TEST_F(BadInputTest, AConfigFolderThatCannotBeMadeKeepsTheScoreInMemory) {
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const char* folder : {"blocked/tarvo-othello", "new/tarvo-othello"}) {
        SettingsStore other(dir.filePath(QString::fromLatin1(folder) + "/settings.ini"));
        ScoreRecords records(other);
        frmOthello otherWindow(clock, records);
        ModalCloser closer;
        otherWindow.RecordScore(33);
        EXPECT_EQ(records.ScoreTable(1), 33);
        EXPECT_EQ(closer.texts.join("").startsWith("75: Path/File access error: "),
                  folder[0] == 'b')
            << folder;
    }
}

TEST_F(BadInputTest, MissingProgramsAndDocumentsAreExplained) {
    const std::pair<std::function<void()>, const char*> rows[] = {
        {[&] { window.mnuHelpWeb_Click(); }, "Could not find associated Browser\n0: "},
        {[&] {
             frmAbout about(&window, [](const QString&) {});
             about.cmdSysInfo->click();
         },
         "System Information Is Unavailable At This Time"},
    };
    for (const auto& [act, message] : rows) {
        ModalCloser closer;
        act();
        EXPECT_EQ(closer.texts, QStringList{message});
    }
    window.helpViewer()->setCandidates({dir.filePath("no-help.html")});
    window.mnuHelpTopics_Click();
    EXPECT_TRUE(window.helpViewer()->browser()->toPlainText().contains("Help is not available"));
    window.helpViewer()->close();
}

} // namespace
} // namespace tarvo
