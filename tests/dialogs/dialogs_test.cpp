#include "dialogs/frm_about.h"
#include "dialogs/web_launch.h"
#include "support/fake_programs.h"
#include "support/modal.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::WriteProgram;

TEST(ExpandExec, FieldCodesQuotingAndTheAddress) {
    const QString url = QStringLiteral("https://www.tarvo.example/");
    const std::pair<const char*, QStringList> rows[] = {
        {"browser", {"browser", url}},
        {"\"/opt/my browser/run\" --name=%c %i %k",
         {"/opt/my browser/run", "--name=Web", "--icon", "web-icon", "/apps/web.desktop", url}},
        {"sh -c \"echo \\\"\\$x\\\\\" %U", {"sh", "-c", "echo \"$x\\", url}},
        {" b %d %D %n %N %v %m 100%% \"\" %f ", {"b", "100%", "", url}},
        {"", {}},
        {"browser \"unclosed %u", {}},
        {"browser %", {}},
    };
    for (const auto& [exec, words] : rows) {
        const auto command =
            ExpandExec({QString::fromUtf8(exec), "Web", "web-icon"}, "/apps/web.desktop", url);
        EXPECT_EQ(command ? QStringList(command->program) + command->arguments : QStringList(),
                  words)
            << exec;
    }
}

class DesktopFolders : public testing::Test {
protected:
    static QString WriteEntry(const QString& root, const QString& relative,
                              const QByteArray& text) {
        QDir().mkpath(root + "/applications/vendor");
        QFile out(root + "/applications/" + relative);
        out.open(QIODevice::WriteOnly);
        out.write("[Desktop Entry]\n" + text);
        return out.fileName();
    }
    // A stand-in for xdg-mime that names `https` and `html` as the handlers.
    void DefaultHandlers(const QByteArray& https, const QByteArray& html) {
        WriteProgram(bin.path(), "xdg-mime",
                     "case \"$3\" in x-scheme-handler/https) echo '" + https +
                         "';; text/html) echo '" + html + "';; esac");
    }
    // A program that saves its first argument in `received`.
    QByteArray Saver(const QString& name) {
        return QFile::encodeName(
            WriteProgram(bin.path(), name, test::SaveFirstArgument(bin.filePath("received"))));
    }

    QTemporaryDir home;
    QTemporaryDir system;
    QTemporaryDir bin;
    test::ScopedEnv dataHome{"XDG_DATA_HOME", QFile::encodeName(home.path())};
    test::ScopedEnv dataDirs{"XDG_DATA_DIRS", QFile::encodeName(system.path())};
    test::ScopedEnv path{"PATH", QFile::encodeName(bin.path())};
};

// The launch's result, once the look-up has answered.
LaunchResult Launched(const QString& url) {
    std::optional<LaunchResult> result;
    LaunchBrowser(url, [&result](const LaunchResult& r) { result = r; });
    EXPECT_TRUE(QTest::qWaitFor([&result] { return result.has_value(); }, 10'000));
    return result.value_or(LaunchResult{});
}

TEST_F(DesktopFolders, TheBrowserGetsTheAddressByteForByteOrTheFailureIsTold) {
    EXPECT_EQ(Launched("https://a/").failure, LaunchFailure::NoBrowser) << "no xdg-mime";
    DefaultHandlers("", "");
    EXPECT_EQ(Launched("https://a/").failure, LaunchFailure::NoBrowser);
    WriteEntry(home.path(), "broken.desktop", "Exec=/nonexistent/browser %u\n");
    DefaultHandlers("broken.desktop", "");
    EXPECT_EQ(LaunchFailureMessage(Launched("https://a/")),
              "Web site not located\nThe browser /nonexistent/browser could not be started.");

    WriteEntry(system.path(), "viewer.desktop", "Exec=" + Saver("viewer") + " %u\n");
    DefaultHandlers("gone.desktop", "viewer.desktop");
    const QString url =
        QString::fromUtf8("https://www.tarvo.example/a b/'q'\"d\"$HOME;&|*?~\\%20\xc3\xa9");
    ASSERT_EQ(Launched(url).failure, LaunchFailure::None);
    EXPECT_EQ(test::ReadWhenThere(bin.filePath("received")), url.toUtf8());
}

TEST_F(DesktopFolders, AHangingLookupIsGivenUpWhileTheWindowGoesOnAnsweringOneAtATime) {
    const QString started = bin.filePath("started");
    WriteProgram(bin.path(), "xdg-mime",
                 "echo >>'" + QFile::encodeName(started) + "'; exec /bin/sleep 1000");
    QString told;
    test::AnswerBox(QMessageBox::Ok, [&told](QMessageBox* box) { told = box->text(); });
    WebLaunch(nullptr, "https://a/");
    WebLaunch(nullptr, "https://b/"); // the command pressed again while the first look-up runs
    EXPECT_TRUE(told.isEmpty()) << "the look-up does not hold the caller";
    EXPECT_TRUE(QTest::qWaitFor([&told] { return !told.isEmpty(); }, 10'000));
    EXPECT_TRUE(told.startsWith("Could not find associated Browser"));
    EXPECT_EQ(test::ReadWhenThere(started), "\n\n") << "one look-up of each handler";
}

TEST_F(DesktopFolders, TheAboutBoxOpensTheAddressAndTheDesktopsSystemInformation) {
    test::ScopedEnv desktop("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    WriteProgram(bin.path(), "hardinfo", test::SaveFirstArgument(bin.filePath("wrong")));
    Saver("gnome-control-center");
    QStringList opened;
    frmAbout about(nullptr, [&](const QString& url) { opened << url; });
    about.show();
    QTest::mouseClick(about.lblHomeURL, Qt::RightButton);
    QTest::mouseClick(about.lblHomeURL, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"https://www.tarvo.example/"});
    about.cmdSysInfo->click();
    EXPECT_EQ(test::ReadWhenThere(bin.filePath("received")), "info-overview");
    EXPECT_FALSE(QFile::exists(bin.filePath("wrong")));
}

} // namespace
} // namespace tarvo
