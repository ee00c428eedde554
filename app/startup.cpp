#include "app/startup.h"

#include <QApplication>

namespace tarvo {

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
