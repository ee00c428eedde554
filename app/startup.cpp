#include "app/startup.h"

#include "common/error_trap.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace tarvo {

void InstallTranslations() {
    const QLocale locale;
    // The translators live as long as the application.
    auto* own = new QTranslator(qApp);
    if (own->load(locale, QStringLiteral("tarvo-othello"), QStringLiteral("_"),
                  QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(own);
    }
    // LANGUAGE may choose the texts' language apart from LANG; dates then
    // speak the texts' language too, English where there is no translation.
    QLocale::setDefault(own->isEmpty() ? QLocale(QLocale::English) : QLocale(own->language()));
    auto* qt = new QTranslator(qApp);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
}

Program Main(Clock& clock, ScoreRecords& scores) {
    Program program;
    program.splash = new frmSplash;
    program.splash->show();
    program.window = std::make_unique<frmOthello>(clock, scores);
    // Every dialog shows the program's icon.
    QApplication::setWindowIcon(program.window->windowIcon());
    program.window->adjustSize();
    program.window->setFixedSize(program.window->size());
    CentreOnScreen(program.window.get());
    // A damaged settings file is told once, as the game starts; the game
    // goes on with the rest of it.
    QTimer::singleShot(0, program.window.get(), [window = program.window.get(), &scores] {
        Trapped(window, [&scores] { scores.store().Check(); });
    });
    program.splash->setMainWindow(program.window.get());
    program.splash->Timer1()->start(frmSplash::kShowMs);
    return program;
}

} // namespace tarvo
