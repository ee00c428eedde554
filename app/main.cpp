#include "app/startup.h"
#include "common/app_info.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts when it cannot reach a display; say why and exit cleanly instead.
bool DisplayAvailable() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return true;
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        return false;
    }
    // A local display ":N" has its socket in /tmp/.X11-unix; others are tried as they are.
    if (display.startsWith(QLatin1Char(':'))) {
        const QString number = display.mid(1).section(QLatin1Char('.'), 0, 0);
        return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + number);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "Tarvo Othello needs a graphical desktop, and none was found.\n"
                             "Start it from a desktop session (DISPLAY or WAYLAND_DISPLAY "
                             "must name a running display).\n");
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(tarvo::kAppTitle);
    tarvo::InstallFontSubstitutes();
    tarvo::InstallTranslations();

    tarvo::SteadyClock clock;
    tarvo::SettingsStore store(tarvo::SettingsStore::DefaultPath());
    tarvo::ScoreRecords scores(store);
    const tarvo::Program program = tarvo::Main(clock, scores);
    return QApplication::exec();
}
