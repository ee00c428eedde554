#include "common/app_info.h"
#include "common/error_trap.h"

#include <QFont>
#include <QMessageBox>

namespace tarvo {

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
}

void ShowErrorBox(QWidget* parent, const RuntimeError& error) {
    QMessageBox::critical(parent, kAppTitle, QString::fromStdString(error.message()));
}

} // namespace tarvo
