#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace tarvo {

// The picture shown while the main window loads. Its timer closes it and
// shows the main window.
class frmSplash : public QWidget {
public:
    static constexpr int kShowMs = 2000;

    frmSplash();

    // The window the timer shows.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    QTimer* Timer1() { return &Timer1_; }
    void Timer1_Timer();

private:
    QWidget* mainWindow_ = nullptr;
    QLabel* picture_;
    QTimer Timer1_;
};

// Places `window` in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

} // namespace tarvo
