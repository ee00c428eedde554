#pragma once

#include "app/frm_othello.h"
#include "app/frm_splash.h"

#include <QPointer>
#include <memory>

namespace tarvo {

// The program's windows at start-up: the splash on screen, the main window
// loaded behind it.
struct Program {
    Program() = default;
    Program(Program&&) = default;
    // A splash whose timer has not fired yet goes with the program.
    ~Program() { delete splash.data(); }

    QPointer<frmSplash> splash;
    std::unique_ptr<frmOthello> window;
};

// Installs the translations of the desktop's language (LANGUAGE, LC_MESSAGES,
// LANG): the program's own and Qt's. For English, or a language without a
// translation, every text stays as written. Dates follow the language of the
// texts.
void InstallTranslations();

// Shows the splash, loads the main window without showing it and arms the
// splash's timer, which shows the main window. A damaged settings file is
// told from the event loop.
Program Main(Clock& clock, ScoreRecords& scores);

} // namespace tarvo
