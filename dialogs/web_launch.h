#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

namespace tarvo {

// A program and its arguments, as a desktop entry's Exec line gives them.
struct CommandLine {
    QString program;
    QStringList arguments;
};

// What a desktop entry says about how to start its program.
struct DesktopEntry {
    QString exec;
    QString name;
    QString icon;
};

// The file of a desktop entry id in the XDG data folders, the user's first;
// a "-" in the id may stand for a subfolder. Empty when there is none.
QString FindDesktopEntry(const QString& id);

// The [Desktop Entry] group's Exec, Name and Icon of an entry file.
std::optional<DesktopEntry> ReadDesktopEntry(const QString& file);

// The Exec line split into words and its field codes expanded, with `url`
// as the file or address; `url` is appended when no field code takes it.
// Nothing when the line is empty or badly quoted.
std::optional<CommandLine> ExpandExec(const DesktopEntry& entry, const QString& entryFile,
                                      const QString& url);

enum class LaunchFailure { None, NoBrowser, NotStarted };

struct LaunchResult {
    LaunchFailure failure = LaunchFailure::None;
    QString program; // the browser that was to be started
};

// Looks up the desktop's web browser (the default handler of https
// addresses, then of HTML files) and starts it with `url` as its argument,
// waiting for neither; `done` is called from the event loop with the result.
void LaunchBrowser(const QString& url, std::function<void(const LaunchResult&)> done);

// The message box text of a failed launch.
QString LaunchFailureMessage(const LaunchResult& result);

// Opens `sURL` in the browser and returns at once; a failure is explained in
// a critical box. A call while another one still looks for the browser does
// nothing.
void WebLaunch(QWidget* window, const QString& sURL);

} // namespace tarvo
