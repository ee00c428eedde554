// Every bad input a user or the system can give: each gets its clear message,
// and nothing already stored is lost.
#include "app/game_listeners.h"
#include "dialogs/frm_about.h"
#include "support/fake_programs.h"
#include "window_fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

// While it lives, notes and closes every message box (with its default
// button) and closes every other modal window.
class ModalCloser {
public:
    ModalCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                texts << box->text();
                box->defaultButton() != nullptr ? box->defaultButton()->click() : box->reject();
            } else if (modal != nullptr) {
                static_cast<QDialog*>(modal)->reject();
            }
        });
        timer_.start(2);
    }
    QStringList texts;

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

    QTemporaryDir bin;
    test::ScopedEnv path{"PATH", QFile::encodeName(bin.path())};
};

TEST_F(BadInputTest, SettingsFilesThatCannotBeUsedAreReportedOnceAndKept) {
    const QByteArray header = "[Tarvo Othello/Game scores]\n";
    const std::pair<QByteArray, const char*> rows[] = {
        {header + "Score1=52\nthis is no setting\n", "damaged at line 3"},
        {header + "Score1=40000\nScore2=50\n", "6: Overflow in "},
    };
    for (const auto& [file, message] : rows) {
        WriteSettings(file);
        ModalCloser closer;
        window.mnuGameScore_Click();
        ScoreListener::Record(scores, 20, Level::Classic, &window);
        ASSERT_EQ(closer.texts.size(), 1) << message << ": told once";
        for (const QString& text : closer.texts) {
            EXPECT_TRUE(text.contains(QLatin1String(message))) << text.toStdString();
        }
        EXPECT_EQ(test::ReadWhenThere(store.filePath()), file)
            << message << ": the file was changed";
    }
}

TEST_F(BadInputTest, AConfigFolderThatCannotBeMadeKeepsTheScoreInMemory) {
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore other(dir.filePath("blocked/tarvo-othello/settings.ini"));
    ScoreRecords records(other);
    frmOthello otherWindow(clock, records);
    ModalCloser closer;
    ScoreListener::Record(records, 33, Level::Classic, &otherWindow);
    EXPECT_EQ(records.ScoreTable(1), 33);
    EXPECT_TRUE(closer.texts.join("").startsWith("75: Path/File access error: "));
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
        // The browser is looked for while the game goes on.
        EXPECT_TRUE(QTest::qWaitFor([&closer] { return !closer.texts.isEmpty(); }));
        EXPECT_EQ(closer.texts, QStringList{message});
    }
    window.helpViewer()->setCandidates({dir.filePath("no-help.html")});
    window.mnuHelpTopics_Click();
    EXPECT_TRUE(window.helpViewer()->browser()->toPlainText().contains("Help is not available"));
    window.helpViewer()->close();
}

} // namespace
} // namespace tarvo
