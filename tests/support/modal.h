#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace tarvo::test {

// Runs `act` from the event loop once `ready` holds. Deleting the returned
// timer, while it lives, cancels it.
inline QPointer<QTimer> When(std::function<bool()> ready, std::function<void()> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ready, act] {
        if (ready()) {
            timer->stop();
            timer->deleteLater();
            act();
        }
    });
    timer->start();
    return timer;
}

// Calls `answer` with the next modal window of type T once it is shown, so
// that a test can schedule its answer before the call that opens the window.
template <typename T> QPointer<QTimer> AnswerModal(std::function<void(T*)> answer) {
    return When(
        [] {
            auto* modal = dynamic_cast<T*>(QApplication::activeModalWidget());
            return modal != nullptr && modal->isVisible();
        },
        [answer] { answer(dynamic_cast<T*>(QApplication::activeModalWidget())); });
}

// Answers the next message box with `button`, handing its text to `seen`.
inline void AnswerBox(QMessageBox::StandardButton button,
                      std::function<void(QMessageBox*)> seen = {}) {
    AnswerModal<QMessageBox>([button, seen](QMessageBox* box) {
        if (seen) {
            seen(box);
        }
        box->button(button)->click();
    });
}

} // namespace tarvo::test
