#include "scores/score_sheet.h"
#include "support/modal.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::AnswerBox;
using test::AnswerModal;

class ScoreSheetTest : public testing::Test {
protected:
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.ini")};
    ScoreRecords scores{store};

    // Opens the sheet modally, lets `act` work on it while it is open, and
    // closes it with OK.
    void Open(const std::function<void(scoresheet*)>& act) {
        AnswerModal<scoresheet>([act](scoresheet* sheet) {
            act(sheet);
            sheet->OKButton->click();
        });
        scoresheet sheet(scores, nullptr);
        sheet.exec();
    }

    static bool HasInk(const QImage& image, QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixelColor(x, y).lightness() < 100) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(ScoreSheetTest, Layout) {
    scoresheet sheet(scores, nullptr);
    EXPECT_EQ(sheet.windowTitle(), "Othello game score sheet");
    EXPECT_EQ(sheet.size(), QSize(295, 175));
    EXPECT_EQ(sheet.OKButton->geometry(), QRect(24, 144, 80, 25));
    EXPECT_EQ(sheet.OKButton->toolTip(), "Close scoresheet");
    EXPECT_EQ(sheet.cmdReset->geometry(), QRect(184, 144, 80, 25));
    EXPECT_EQ(sheet.cmdReset->toolTip(), "Clear game score sheet");
    EXPECT_EQ(sheet.OKButton->nextInFocusChain(), sheet.cmdReset);
}

TEST_F(ScoreSheetTest, NoResultsGiveAnEmptySheet) {
    Open([](scoresheet* sheet) {
        EXPECT_TRUE(sheet->lines().isEmpty());
        EXPECT_FALSE(sheet->cmdReset->isEnabled());
        EXPECT_FALSE(HasInk(sheet->grab().toImage(), {0, 0, 295, 140}));
    });
}

TEST_F(ScoreSheetTest, ThreeResultsBestFirstOnePerLine) {
    for (const int16_t score : {47, 33, 52}) {
        scores.AddScore(score);
    }
    scores.ScoreTable = {};
    Open([](scoresheet* sheet) {
        EXPECT_EQ(sheet->lines(), (QStringList{" 52 ", " 47 ", " 33 "}));
        EXPECT_TRUE(sheet->cmdReset->isEnabled());
        EXPECT_EQ(sheet->LinePosition(0), QPoint(33, 8));
        const int height = sheet->LinePosition(1).y() - sheet->LinePosition(0).y();
        EXPECT_GT(height, 10);
        const QImage image = sheet->grab().toImage();
        for (int line = 0; line < 3; ++line) {
            EXPECT_TRUE(HasInk(image, {33, 8 + line * height, 40, height})) << line;
        }
        EXPECT_FALSE(HasInk(image, {0, 8 + 3 * height, 295, 120 - 3 * height}));
        EXPECT_FALSE(HasInk(image, {0, 0, 33, 140})) << "every line begins at the left margin";
    });
}

TEST_F(ScoreSheetTest, ResetAnsweredNoChangesNothing) {
    scores.AddScore(40);
    Open([](scoresheet* sheet) {
        QString text;
        QString title;
        AnswerBox(QMessageBox::No, [&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
        });
        sheet->cmdReset->click();
        EXPECT_EQ(text, "Are you sure you want to clear all these game sheet's scores?");
        EXPECT_EQ(title, "Clear all game sheet scores");
        EXPECT_EQ(sheet->lines(), QStringList{" 40 "});
        EXPECT_TRUE(sheet->cmdReset->isEnabled());
    });
    EXPECT_FALSE(store.GetAll(kScoreApp, kScoreSection).empty());
}

TEST_F(ScoreSheetTest, ResetAnsweredYesClearsTheSheetAndTheStore) {
    scores.AddScore(40);
    scores.AddScore(20);
    Open([](scoresheet* sheet) {
        AnswerBox(QMessageBox::Yes);
        sheet->cmdReset->click();
        EXPECT_TRUE(sheet->lines().isEmpty());
        EXPECT_FALSE(sheet->cmdReset->isEnabled());
        EXPECT_FALSE(HasInk(sheet->grab().toImage(), {0, 0, 295, 140}));
    });
    EXPECT_TRUE(store.GetAll(kScoreApp, kScoreSection).empty());
    Open([](scoresheet* sheet) {
        EXPECT_TRUE(sheet->lines().isEmpty());
        EXPECT_FALSE(sheet->cmdReset->isEnabled());
    });
}

TEST(PrintedScore, ABlankForTheSignAndOneAfter) {
    EXPECT_EQ(PrintedScore(52), " 52 ");
    EXPECT_EQ(PrintedScore(5), " 5 ");
    EXPECT_EQ(PrintedScore(-7), "-7 ");
}

} // namespace
} // namespace tarvo
