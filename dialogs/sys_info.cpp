#include "dialogs/sys_info.h"

#include "common/app_info.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>

namespace tarvo {

namespace {

struct SysInfoProgram {
    const char* desktop;
    QStringList command;
};

const std::vector<SysInfoProgram>& KnownPrograms() {
    static const std::vector<SysInfoProgram> programs = {
        {"KDE", {QStringLiteral("kinfocenter")}},
        {"GNOME", {QStringLiteral("gnome-control-center"), QStringLiteral("info-overview")}},
        {"XFCE", {QStringLiteral("xfce4-about")}},
        {nullptr, {QStringLiteral("hardinfo")}},
        {nullptr, {QStringLiteral("cpu-x")}},
        {nullptr, {QStringLiteral("lshw-gtk")}},
    };
    return programs;
}

} // namespace

std::vector<QStringList> SysInfoCandidates(const QString& currentDesktops) {
    std::vector<QStringList> first;
    std::vector<QStringList> rest;
    const QStringList desktops = currentDesktops.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const SysInfoProgram& program : KnownPrograms()) {
        const bool current =
            program.desktop != nullptr &&
            std::any_of(desktops.begin(), desktops.end(), [&](const QString& desktop) {
                return desktop.compare(QLatin1String(program.desktop), Qt::CaseInsensitive) == 0;
            });
        (current ? first : rest).push_back(program.command);
    }
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

bool StartFirstSysInfo(const std::vector<QStringList>& candidates) {
    for (const QStringList& command : candidates) {
        const QString path = QStandardPaths::findExecutable(command.front());
        if (!path.isEmpty()) {
            return QProcess::startDetached(path, command.mid(1), QString());
        }
    }
    return false;
}

void StartSysInfo(QWidget* parent) {
    if (!StartFirstSysInfo(SysInfoCandidates(qEnvironmentVariable("XDG_CURRENT_DESKTOP")))) {
        QMessageBox box(QMessageBox::NoIcon, kAppTitle,
                        QCoreApplication::translate(
                            "SysInfo", "System Information Is Unavailable At This Time"),
                        QMessageBox::Ok, parent);
        box.exec();
    }
}

} // namespace tarvo
