#pragma once

#include "game/runtime_error.h"

#include <QWidget>

namespace tarvo {

// The common error trap's box: "number: description", critical icon, OK. An
// error to be told once a session is not shown again.
void ShowErrorBox(QWidget* parent, const RuntimeError& error);

// Runs `body`; a RuntimeError from it is shown in the error box and the call
// returns false, as a procedure with an error trap returns to its caller.
template <typename Body> bool Trapped(QWidget* parent, Body&& body) {
    try {
        body();
        return true;
    } catch (const RuntimeError& error) {
        ShowErrorBox(parent, error);
        return false;
    }
}

} // namespace tarvo
