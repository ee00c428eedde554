#pragma once

#include "app/frm_othello.h"
#include "app/game_driver.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvo::test {

// A clock that stands still unless a test moves it.
class FakeClock : public Clock {
public:
    qint64 NowMs() override { return now; }
    qint64 now = 0;
};

// Where the system delivers a key typed into the active `window`: the focus widget.
inline QWidget* KeyReceiver(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &window;
}

// The main window over a score store in a folder of its own.
struct LoneWindow {
    FakeClock clock;
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("settings.ini")};
    ScoreRecords scores{store};
    frmOthello window{clock, scores};
};

class WindowFixture : public testing::Test, public LoneWindow {};

} // namespace tarvo::test
