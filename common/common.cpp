#include "common/app_info.h"
#include "common/error_trap.h"

#include <QCoreApplication>
#include <QFont>
#include <QMessageBox>
#include <QSet>

namespace tarvo {

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
}

void ShowErrorBox(QWidget* parent, const RuntimeError& error) {
    static QSet<QString> told;
    if (error.report() == RuntimeError::Report::Once &&
        told.contains(QString::fromStdString(error.message()))) {
        return;
    }
    told.insert(QString::fromStdString(error.message()));
    // The description may be one of the program's own, which has a translation.
    QMessageBox::critical(
        parent, kAppTitle,
        QStringLiteral("%1: %2")
            .arg(error.number())
            .arg(QCoreApplication::translate("RuntimeError", error.description().c_str())));
}

} // namespace tarvo
