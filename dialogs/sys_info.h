#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace tarvo {

// The desktops' system-information programs with their arguments, the
// programs of the desktops named in `currentDesktops` (as XDG_CURRENT_DESKTOP
// gives them, separated by ":") first.
std::vector<QStringList> SysInfoCandidates(const QString& currentDesktops);

// Starts the first candidate that is installed, not waiting for it; false
// when none is installed or it cannot be started.
bool StartFirstSysInfo(const std::vector<QStringList>& candidates);

// Starts the desktop's system-information program, or says that none is available.
void StartSysInfo(QWidget* parent);

} // namespace tarvo
