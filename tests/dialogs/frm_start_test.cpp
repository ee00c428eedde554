#include "dialogs/frm_start.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

// The next widget that Tab moves to.
QWidget* NextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while ((next->focusPolicy() & Qt::TabFocus) == 0) {
        next = next->nextInFocusChain();
    }
    return next;
}

TEST(frmStart, LayoutCaptionsAndTabOrder) {
    frmStart dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Tarvo Othello");
    EXPECT_EQ(dialog.size(), QSize(207, 145));
    EXPECT_EQ(dialog.optColor[0]->text(), "&Black");
    EXPECT_EQ(dialog.optColor[1]->text(), "&White");
    EXPECT_TRUE(dialog.optColor[0]->isChecked());
    EXPECT_TRUE(dialog.optColor[0]->font().bold());
    EXPECT_EQ(dialog.optColor[1]->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(dialog.optColor[0]->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(dialog.cmdOK->isDefault());
    EXPECT_EQ(NextTabStop(dialog.optColor[0]), dialog.optColor[1]);
    EXPECT_EQ(NextTabStop(dialog.optColor[1]), dialog.cmdOK);
    EXPECT_EQ(NextTabStop(dialog.cmdOK), dialog.cmdCancel);
}

TEST(frmStart, AnswersOutliveTheDialog) {
    struct Row {
        const char* name;
        std::function<void(frmStart&)> act;
        bool ok;
        int16_t colour;
    };
    const Row rows[] = {
        {"OK untouched", [](frmStart& d) { d.cmdOK->click(); }, true, 0},
        {"White then OK",
         [](frmStart& d) {
             d.optColor[1]->click();
             d.cmdOK->click();
         },
         true, 1},
        {"White, Black, OK",
         [](frmStart& d) {
             d.optColor[1]->click();
             d.optColor[0]->click();
             d.cmdOK->click();
         },
         true, 0},
        {"White then Cancel",
         [](frmStart& d) {
             d.optColor[1]->click();
             d.cmdCancel->click();
         },
         false, 1},
        {"Enter is OK", [](frmStart& d) { QTest::keyClick(&d, Qt::Key_Return); }, true, 0},
        {"Esc is Cancel", [](frmStart& d) { QTest::keyClick(&d, Qt::Key_Escape); }, false, 0},
    };
    for (const Row& row : rows) {
        frmStart::OK = !row.ok;
        auto dialog = std::make_unique<frmStart>(nullptr);
        dialog->show();
        row.act(*dialog);
        dialog.reset();
        EXPECT_EQ(frmStart::OK, row.ok) << row.name;
        EXPECT_EQ(frmStart::ChosenColor, row.colour) << row.name;
    }
}

TEST(frmStart, TheCloseBoxChangesNeitherAnswerAndANewOpeningSelectsBlack) {
    frmStart::OK = true;
    {
        frmStart dialog(nullptr);
        dialog.show();
        dialog.optColor[1]->click();
        dialog.close();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(frmStart::OK);
    EXPECT_EQ(frmStart::ChosenColor, 1);
    frmStart again(nullptr);
    EXPECT_EQ(frmStart::ChosenColor, 0);
    EXPECT_TRUE(again.optColor[0]->isChecked());
}

} // namespace
} // namespace tarvo
