#include "scores/score_sheet.h"
#include "support/modal.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

class ScoreSheetTest : public testing::Test {
protected:
    // Opens the sheet modally, lets `act` work on it, and closes it with OK.
    void Open(const std::function<void(scoresheet*)>& act) {
        test::AnswerModal<scoresheet>([act](scoresheet* sheet) {
            act(sheet);
            sheet->OKButton->click();
        });
        scoresheet sheet(scores, nullptr);
        sheet.exec();
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.ini")};
    ScoreRecords scores{store};
};

TEST_F(ScoreSheetTest, ListsTheStoredResultsBestFirstAndResetAsksFirst) {
    Open([](scoresheet* sheet) {
        EXPECT_TRUE(sheet->lines().isEmpty());
        EXPECT_FALSE(sheet->cmdReset->isEnabled());
    });
    for (const int16_t score : {47, 33, 52}) {
        scores.AddScore(score);
    }
    scores.ScoreTable = {};
    Open([](scoresheet* sheet) {
        EXPECT_EQ(sheet->lines(), (QStringList{" 52 ", " 47 ", " 33 "}));
        EXPECT_TRUE(sheet->cmdReset->isEnabled());
        test::AnswerBox(QMessageBox::No);
        sheet->cmdReset->click();
        EXPECT_EQ(sheet->lines().size(), 3);
        test::AnswerBox(QMessageBox::Yes, [](QMessageBox* box) {
            EXPECT_EQ(box->text(), "Are you sure you want to clear all these game sheet's scores?");
        });
        sheet->cmdReset->click();
        EXPECT_TRUE(sheet->lines().isEmpty());
        EXPECT_FALSE(sheet->cmdReset->isEnabled());
    });
    EXPECT_TRUE(store.GetAll(kScoreApp, kScoreSection).empty());
    EXPECT_EQ(PrintedScore(-7), "-7 ");
}

TEST_F(ScoreSheetTest, TenResultsFitAboveTheButtonsAndADamagedTableCanStillBeCleared) {
    for (int16_t score = 10; score <= 19; ++score) {
        scores.AddScore(score);
    }
    Open([](scoresheet* sheet) {
        EXPECT_EQ(sheet->lines().size(), 10);
        EXPECT_LE(sheet->LinePosition(10).y(), sheet->OKButton->y()) << "the tenth line is whole";
    });
    QFile file(store.filePath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("garbage\n");
    file.close();
    scores.ScoreTable = {};
    QString told;
    test::AnswerBox(QMessageBox::Ok, [&told](QMessageBox* box) { told = box->text(); });
    Open([](scoresheet* sheet) {
        EXPECT_TRUE(sheet->cmdReset->isEnabled());
        test::AnswerBox(QMessageBox::Yes);
        sheet->cmdReset->click();
    });
    EXPECT_TRUE(told.contains("damaged at line 14")) << told.toStdString();
    EXPECT_TRUE(store.GetAll(kScoreApp, kScoreSection).empty());
}

} // namespace
} // namespace tarvo
