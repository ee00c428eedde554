#include "app/startup.h"
#include "common/app_info.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string>

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

// The displays the environment names, as "DISPLAY=":0"".
std::string DisplayNames() {
    std::string names;
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            names += (names.empty() ? "" : " or ") + std::string(variable) + "=\"" + value + '"';
        }
    }
    return names;
}

// Qt ends the program with a fatal message when the display it was given
// cannot be opened; while the application starts, that is said in a sentence
// instead, with the exit status of the case without a display.
[[noreturn]] void CannotOpen() {
    std::fprintf(stderr, "Tarvo Othello could not open the display %s, so it cannot start.\n",
                 DisplayNames().c_str());
    std::_Exit(EXIT_FAILURE);
}

QtMessageHandler qtHandler = nullptr;

void OnStartingMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        CannotOpen();
    }
    qtHandler(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!DisplayAvailable()) {
        if (!DisplayNames().empty()) {
            CannotOpen();
        }
        std::fprintf(stderr, "Tarvo Othello needs a graphical desktop, and none was found.\n"
                             "Start it from a desktop session (DISPLAY or WAYLAND_DISPLAY "
                             "must name a running display).\n");
        return EXIT_FAILURE;
    }
    qtHandler = qInstallMessageHandler(OnStartingMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(tarvo::kAppTitle);
    tarvo::InstallFontSubstitutes();
    tarvo::InstallTranslations();

    tarvo::SteadyClock clock;
    tarvo::SettingsStore store(tarvo::SettingsStore::DefaultPath());
    tarvo::ScoreRecords scores(store);
    const tarvo::Program program = tarvo::Main(clock, scores);
    return QApplication::exec();
}
