#include "app/frm_othello.h"

#include <QImage>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

class FakeClock : public Clock {
public:
    qint64 NowMs() override { return 0; }
};

TEST(StatusDate, TwoDigitDayShortMonthFourDigitYear) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(StatusDate(QDate(2026, 12, 7), english), "07-Dec-2026");
    EXPECT_EQ(StatusDate(QDate(2027, 5, 31), english), "31-May-2027");
    EXPECT_EQ(StatusDate(QDate(1999, 1, 1), english), "01-Jan-1999");
}

class MainWindowTest : public testing::Test {
protected:
    FakeClock clock;
    frmOthello window{clock};
};

TEST_F(MainWindowTest, LoadsInTheStoppedStateWithTheOpeningBoard) {
    EXPECT_EQ(window.windowTitle(), "Tarvo Othello");
    EXPECT_EQ(window.statusPanel(0)->text(), "Game stopped");
    EXPECT_EQ(window.statusPanel(1)->text(), StatusDate(QDate::currentDate(), QLocale::system()));
    EXPECT_EQ(window.state().CellSize, 30);
    EXPECT_EQ(window.state().Board(4, 4), Black);
    EXPECT_EQ(window.state().Board(4, 5), White);
    const QImage& board = window.pictures().picV->image();
    EXPECT_EQ(board.pixelColor(4 * 30 + 15, 4 * 30 + 15), colours::kBlackPiece);
    EXPECT_EQ(board.pixelColor(5 * 30 + 15, 4 * 30 + 15), colours::kWhitePiece);
}

TEST_F(MainWindowTest, ClientAreaLayout) {
    QWidget* client = window.clientArea();
    EXPECT_EQ(client->size(), QSize(620, 356));
    EXPECT_EQ(client->palette().color(QPalette::Window), colours::kWindow);
    EXPECT_EQ(window.pictures().picV->parentWidget(), client);
    EXPECT_EQ(window.pictures().picV->geometry(), QRect(14, 48, 290, 278));
    EXPECT_EQ(window.logo()->geometry(), QRect(304, 104, 300, 150));
    const QImage logo = window.logo()->pixmap().toImage();
    EXPECT_EQ(logo.size(), QSize(300, 150));
    EXPECT_NE(logo.pixelColor(10, 10), colours::kWindow) << "the logo was not drawn";
    QWidget* status = window.statusPanel(0)->parentWidget();
    EXPECT_EQ(status->geometry().bottom(), 355);
    EXPECT_GE(status->geometry().top(), 48 + 278) << "the status bar covers the board";
}

} // namespace
} // namespace tarvo
