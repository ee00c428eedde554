#include "dialogs/frm_about.h"
#include "dialogs/sys_info.h"
#include "support/fake_programs.h"
#include "support/modal.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::ScopedEnv;
using test::WriteProgram;

TEST(frmAbout, CaptionsFromTheBuildAndTheirPlaces) {
    frmAbout about(nullptr, [](const QString&) {});
    EXPECT_EQ(about.windowTitle(), "About Tarvo Othello");
    EXPECT_EQ(about.size(), QSize(345, 189));
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(0, 192, 192));
    struct Row {
        QLabel* label;
        const char* text;
        QRect place;
        const char* tooltip;
        bool bold;
    };
    const Row rows[] = {
        {about.lblTitle, "Tarvo Othello", {96, 8, 161, 13}, "Program title", true},
        {about.Label1,
         "For 64-bit Linux desktops",
         {96, 24, 226, 15},
         "Suitable operating system",
         false},
        {about.lblCopyright, "Copyright (C) 2026 Tarvo", {96, 40, 187, 13}, "", true},
        {about.lblMessage,
         "See the other free games and other superb\nsoftware offers on the Tarvo web site at:",
         {96, 56, 255, 33},
         "Web hyperlink to navigate you to Tarvo web site",
         false},
        {about.lblVersion, "Version 1.0.0", {8, 160, 99, 13}, "Program release version", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.label->text(), row.text);
        EXPECT_EQ(row.label->geometry(), row.place) << row.text;
        EXPECT_EQ(row.label->toolTip(), row.tooltip) << row.text;
        EXPECT_EQ(row.label->font().bold(), row.bold) << row.text;
    }
    EXPECT_EQ(about.lblTitle->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    EXPECT_EQ(about.lblHomeURL->text(), "www.tarvo.example");
    EXPECT_TRUE(about.lblHomeURL->font().underline());
    EXPECT_EQ(about.lblHomeURL->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(about.lblHomeURL->toolTip(), "Click here to visit Tarvo on the web");
    EXPECT_TRUE(about.lblDisclaimer->text().contains("copyright law and international treaties"));
    EXPECT_EQ(about.lblDisclaimer->toolTip(), "Legal license agreement");
    EXPECT_EQ(about.picIcon->toolTip(), "Program motif");
    EXPECT_EQ(about.cmdOK->text(), "&OK");
    EXPECT_EQ(about.cmdOK->toolTip(), "Close about dialogue window");
    EXPECT_EQ(about.cmdSysInfo->text(), "&System Info");
    EXPECT_EQ(about.cmdSysInfo->toolTip(), "Your computer system information");
    EXPECT_TRUE(about.cmdOK->isDefault());
    EXPECT_EQ(about.cmdOK->nextInFocusChain(), about.cmdSysInfo);
}

TEST(frmAbout, OkEnterAndEscCloseIt) {
    for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmAbout about(nullptr, [](const QString&) {});
        about.show();
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }
    frmAbout about(nullptr, [](const QString&) {});
    about.show();
    about.cmdOK->click();
    EXPECT_FALSE(about.isVisible());
}

TEST(frmAbout, TheAddressLabelOpensTheMakersPage) {
    QStringList opened;
    frmAbout about(nullptr, [&](const QString& url) { opened << url; });
    about.show();
    QTest::mouseClick(about.lblHomeURL, Qt::RightButton);
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(about.lblHomeURL, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"https://www.tarvo.example/"});
    EXPECT_TRUE(about.isVisible());
}

TEST(SysInfoCandidates, TheCurrentDesktopsProgramComesFirst) {
    const auto first = [](const char* desktops) {
        return SysInfoCandidates(QString::fromLatin1(desktops)).front().join(' ');
    };
    EXPECT_EQ(first(""), "kinfocenter");
    EXPECT_EQ(first("KDE"), "kinfocenter");
    EXPECT_EQ(first("ubuntu:GNOME"), "gnome-control-center info-overview");
    EXPECT_EQ(first("XFCE"), "xfce4-about");
    EXPECT_EQ(first("Hyprland"), "kinfocenter");
    const auto all = SysInfoCandidates("XFCE");
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[1].front(), "kinfocenter");
    EXPECT_EQ(all.back().front(), "lshw-gtk");
}

TEST(SysInfo, StartsTheFirstInstalledProgram) {
    QTemporaryDir bin;
    ScopedEnv path("PATH", QFile::encodeName(bin.path()));
    ScopedEnv desktop("XDG_CURRENT_DESKTOP", "GNOME");
    const QString started = bin.filePath("started");
    WriteProgram(bin.path(), "hardinfo", test::SaveFirstArgument(bin.filePath("wrong")));
    WriteProgram(bin.path(), "gnome-control-center", test::SaveFirstArgument(started));
    frmAbout about(nullptr, [](const QString&) {});
    about.show();
    about.cmdSysInfo->click();
    ASSERT_TRUE(test::WaitForFile(started));
    EXPECT_EQ(test::ReadAll(started), "info-overview");
    EXPECT_FALSE(QFile::exists(bin.filePath("wrong")));
    EXPECT_TRUE(about.isVisible()) << "the about box stays open";
}

TEST(SysInfo, NoProgramGivesOneMessage) {
    QTemporaryDir bin;
    ScopedEnv path("PATH", QFile::encodeName(bin.path()));
    WriteProgram(bin.path(), "not-a-sysinfo-tool", "exit 0");
    int boxes = 0;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QString title;
    test::AnswerBox(QMessageBox::Ok, [&](QMessageBox* box) {
        ++boxes;
        text = box->text();
        icon = box->icon();
        title = box->windowTitle();
    });
    frmAbout about(nullptr, [](const QString&) {});
    about.cmdSysInfo->click();
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(title, "Tarvo Othello");
}

} // namespace
} // namespace tarvo
