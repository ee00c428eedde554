#include "dialogs/web_launch.h"
#include "support/fake_programs.h"
#include "support/modal.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::ReadAll;
using test::ScopedEnv;
using test::WriteProgram;

TEST(ExpandExec, FieldCodesQuotingAndTheAddress) {
    const QString url = QStringLiteral("https://www.tarvo.example/");
    struct Row {
        const char* exec;
        const char* program;
        QStringList arguments;
    };
    const Row rows[] = {
        {"firefox %u", "firefox", {url}},
        {"chromium --new-window %U", "chromium", {"--new-window", url}},
        {"browser", "browser", {url}},
        {"browser %f", "browser", {url}},
        {"\"/opt/my browser/run\" --name=%c %i %k",
         "/opt/my browser/run",
         {"--name=Web", "--icon", "web-icon", "/apps/web.desktop", url}},
        {"sh -c \"echo \\\"\\$x\\\\\" %u", "sh", {"-c", "echo \"$x\\", url}},
        {"browser %d %D %n %N %v %m %u", "browser", {url}},
        {"browser 100%% %u", "browser", {"100%", url}},
        {"browser \"\" %u", "browser", {"", url}},
        {"  spaced\t\tout   %u  ", "spaced", {"out", url}},
    };
    for (const Row& row : rows) {
        const DesktopEntry entry{QString::fromUtf8(row.exec), "Web", "web-icon"};
        const auto command = ExpandExec(entry, "/apps/web.desktop", url);
        ASSERT_TRUE(command.has_value()) << row.exec;
        EXPECT_EQ(command->program, row.program) << row.exec;
        EXPECT_EQ(command->arguments, row.arguments) << row.exec;
    }
}

TEST(ExpandExec, RefusesBrokenLines) {
    for (const char* exec : {"", "   ", "browser \"unclosed %u", "browser %x", "browser %"}) {
        const DesktopEntry entry{QString::fromUtf8(exec), {}, {}};
        EXPECT_FALSE(ExpandExec(entry, {}, "https://a/").has_value()) << exec;
    }
    // An icon code without an icon leaves no word behind.
    const auto command = ExpandExec({"browser %i %u", {}, {}}, {}, "https://a/");
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->arguments, QStringList{"https://a/"});
}

class DesktopFolders : public testing::Test {
protected:
    QTemporaryDir home;
    QTemporaryDir system;
    QTemporaryDir bin;
    ScopedEnv dataHome{"XDG_DATA_HOME", QFile::encodeName(home.path())};
    ScopedEnv dataDirs{"XDG_DATA_DIRS", QFile::encodeName(system.path())};
    ScopedEnv path{"PATH", QFile::encodeName(bin.path())};

    static QString WriteEntry(const QString& root, const QString& relative,
                              const QByteArray& text) {
        const QString file = root + "/applications/" + relative;
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(text);
        return file;
    }

    // A stand-in for xdg-mime that names `https` and `html` as the handlers.
    void DefaultHandlers(const QByteArray& https, const QByteArray& html) {
        WriteProgram(bin.path(), "xdg-mime",
                     "case \"$3\" in x-scheme-handler/https) echo '" + https +
                         "';; text/html) echo '" + html + "';; esac");
    }
};

TEST_F(DesktopFolders, FindsEntriesTheUsersFirstAndInSubfolders) {
    const QString user = WriteEntry(home.path(), "web.desktop", "[Desktop Entry]\nExec=a\n");
    WriteEntry(system.path(), "web.desktop", "[Desktop Entry]\nExec=b\n");
    const QString vendor =
        WriteEntry(system.path(), "vendor/browser.desktop", "[Desktop Entry]\nExec=c\n");
    EXPECT_EQ(FindDesktopEntry("web.desktop"), user);
    EXPECT_EQ(FindDesktopEntry("vendor-browser.desktop"), vendor);
    EXPECT_EQ(FindDesktopEntry("missing.desktop"), "");
    EXPECT_EQ(FindDesktopEntry("../web.desktop"), "") << "an id names no path";
}

TEST_F(DesktopFolders, ReadsTheMainGroupWithItsEscapes) {
    const QString file = WriteEntry(home.path(), "web.desktop",
                                    "# a comment\n[Desktop Action new]\nExec=wrong\n"
                                    "[Desktop Entry]\nName=Web\nName[de]=Netz\nIcon=web\n"
                                    "Exec = my\\sbrowser \"a\\\\\\\\b\" %u\n");
    const auto entry = ReadDesktopEntry(file);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->exec, "my browser \"a\\\\b\" %u");
    EXPECT_EQ(entry->name, "Web");
    EXPECT_EQ(entry->icon, "web");
    const auto command = ExpandExec(*entry, file, "u");
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->program, "my");
    EXPECT_EQ(command->arguments, (QStringList{"browser", "a\\b", "u"}));
    EXPECT_FALSE(ReadDesktopEntry(WriteEntry(home.path(), "x.desktop", "[Desktop Entry]\nName=X\n"))
                     .has_value());
}

TEST_F(DesktopFolders, TheBrowserReceivesTheAddressByteForByte) {
    const QString received = bin.filePath("received");
    const QString browser = WriteProgram(bin.path(), "browser", test::SaveFirstArgument(received));
    WriteEntry(home.path(), "fake-browser.desktop",
               "[Desktop Entry]\nType=Application\nName=Fake\nExec=" + QFile::encodeName(browser) +
                   " %u\n");
    DefaultHandlers("fake-browser.desktop", "");
    const QString url =
        QString::fromUtf8("https://www.tarvo.example/a b/'q'\"d\"$HOME;&|*?~\\%20\xc3\xa9");
    ASSERT_EQ(LaunchBrowser(url), LaunchFailure::None);
    ASSERT_TRUE(test::WaitForFile(received));
    EXPECT_EQ(ReadAll(received), url.toUtf8());
}

TEST_F(DesktopFolders, FallsBackToTheHtmlHandler) {
    const QString received = bin.filePath("received");
    const QString browser = WriteProgram(bin.path(), "viewer", test::SaveFirstArgument(received));
    WriteEntry(system.path(), "viewer.desktop",
               "[Desktop Entry]\nExec=" + QFile::encodeName(browser) + "\n");
    DefaultHandlers("", "viewer.desktop");
    ASSERT_EQ(LaunchBrowser("https://www.tarvo.example/"), LaunchFailure::None);
    ASSERT_TRUE(test::WaitForFile(received));
    EXPECT_EQ(ReadAll(received), "https://www.tarvo.example/");
}

TEST_F(DesktopFolders, FailuresGiveTheirMessages) {
    struct Row {
        const char* name;
        std::function<void()> setUp;
        LaunchFailure failure;
        const char* message;
    };
    const Row rows[] = {
        {"no xdg-mime", [] {}, LaunchFailure::NoBrowser, "Could not find associated Browser\n0: "},
        {"no handler", [this] { DefaultHandlers("", ""); }, LaunchFailure::NoBrowser,
         "Could not find associated Browser\n0: "},
        {"handler without an entry", [this] { DefaultHandlers("gone.desktop", ""); },
         LaunchFailure::NoBrowser, "Could not find associated Browser\n0: "},
        {"handler that cannot start",
         [this] {
             WriteEntry(home.path(), "broken.desktop",
                        "[Desktop Entry]\nExec=/nonexistent/browser %u\n");
             DefaultHandlers("broken.desktop", "");
         },
         LaunchFailure::NotStarted, "Web site not located\n0: "},
    };
    for (const Row& row : rows) {
        QFile::remove(bin.filePath("xdg-mime"));
        row.setUp();
        EXPECT_EQ(LaunchBrowser("https://www.tarvo.example/"), row.failure) << row.name;
        QString shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        test::AnswerBox(QMessageBox::Ok, [&](QMessageBox* box) {
            shown = box->text();
            icon = box->icon();
        });
        WebLaunch(nullptr, "https://www.tarvo.example/");
        EXPECT_EQ(shown, row.message) << row.name;
        EXPECT_EQ(icon, QMessageBox::Critical) << row.name;
    }
    EXPECT_EQ(QDir(QCoreApplication::applicationDirPath()).entryList({"*.HTM", "*.htm"}),
              QStringList{})
        << "no temporary file is written";
}

} // namespace
} // namespace tarvo
