#pragma once

#include <QString>

namespace tarvo {

// The main window's caption and the title of every message box that names no other.
inline const QString kAppTitle = QStringLiteral("Tarvo Othello");

// The maker's web page, opened by the web command and the about box.
inline const QString HomeURL = QStringLiteral("https://www.tarvo.example/");

// Maps the faces the windows are designed in to their free metric twins.
void InstallFontSubstitutes();

} // namespace tarvo
