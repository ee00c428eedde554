#include "app/startup.h"

#include <QApplication>
#include <QLibraryInfo>
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
    program.splash->setMainWindow(program.window.get());
    program.splash->Timer1()->start(frmSplash::kShowMs);
    return program;
}

} // namespace tarvo
