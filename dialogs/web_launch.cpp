#include "dialogs/web_launch.h"

#include "common/app_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

namespace tarvo {

namespace {

constexpr int kQueryTimeoutMs = 2000;

// The string escapes of a desktop entry value: \s \n \t \r \\.
QString UnescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        const qsizetype escape = QStringView(u"sntr\\").indexOf(next);
        if (escape >= 0) {
            out += QStringView(u" \n\t\r\\")[escape];
        } else {
            // Not a string escape: left for the Exec quoting rules.
            out += QLatin1Char('\\');
            out += next;
        }
    }
    return out;
}

// Words of an Exec line: blanks separate them, double quotes group them, and
// inside quotes a backslash escapes " ` $ and itself.
std::optional<QStringList> SplitExec(const QString& exec) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size() &&
                       QStringLiteral("\"`$\\").contains(exec[i + 1])) {
                word += exec[++i];
            } else {
                word += c;
            }
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (inWord) {
                words.append(word);
                word.clear();
                inWord = false;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inWord) {
        words.append(word);
    }
    return words;
}

} // namespace

QString FindDesktopEntry(const QString& id) {
    if (id.isEmpty() || id.contains(QLatin1Char('/'))) {
        return {};
    }
    const QStringList roots =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& root : roots) {
        const QString folder = root + QStringLiteral("/applications");
        const QString direct = folder + QLatin1Char('/') + id;
        if (QFileInfo(direct).isFile()) {
            return direct;
        }
        // An entry in a subfolder has the folder's name and a "-" before its own.
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = QDir(folder).relativeFilePath(file);
            if (QString(relative).replace(QLatin1Char('/'), QLatin1Char('-')) == id) {
                return file;
            }
        }
    }
    return {};
}

std::optional<DesktopEntry> ReadDesktopEntry(const QString& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    QTextStream stream(&input);
    DesktopEntry entry;
    bool inMainGroup = false;
    bool hasExec = false;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || line.startsWith(QLatin1Char('#')) || equals < 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = UnescapeValue(line.mid(equals + 1).trimmed());
        if (key == QLatin1String("Exec")) {
            entry.exec = value;
            hasExec = true;
        } else if (key == QLatin1String("Name")) {
            entry.name = value;
        } else if (key == QLatin1String("Icon")) {
            entry.icon = value;
        }
    }
    if (!hasExec) {
        return std::nullopt;
    }
    return entry;
}

std::optional<CommandLine> ExpandExec(const DesktopEntry& entry, const QString& entryFile,
                                      const QString& url) {
    const std::optional<QStringList> words = SplitExec(entry.exec);
    if (!words || words->isEmpty()) {
        return std::nullopt;
    }
    QStringList expanded;
    bool urlPlaced = false;
    for (const QString& word : *words) {
        if (word == QLatin1String("%i")) {
            if (!entry.icon.isEmpty()) {
                expanded << QStringLiteral("--icon") << entry.icon;
            }
            continue;
        }
        QString out;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word[i] != QLatin1Char('%')) {
                out += word[i];
                continue;
            }
            if (i + 1 == word.size()) {
                return std::nullopt;
            }
            const char code = word[++i].toLatin1();
            switch (code) {
            case 'u':
            case 'U':
            case 'f':
            case 'F':
                out += url;
                urlPlaced = true;
                break;
            case 'c':
                out += entry.name;
                break;
            case 'k':
                out += entryFile;
                break;
            case '%':
                out += QLatin1Char('%');
                break;
            case 'd':
            case 'D':
            case 'n':
            case 'N':
            case 'v':
            case 'm':
                break; // deprecated codes expand to nothing
            default:
                return std::nullopt;
            }
        }
        // A word made only of codes that expanded to nothing is dropped.
        if (!out.isEmpty() || word.isEmpty()) {
            expanded.append(out);
        }
    }
    if (expanded.isEmpty()) {
        return std::nullopt;
    }
    if (!urlPlaced) {
        expanded.append(url);
    }
    CommandLine command;
    command.program = expanded.takeFirst();
    command.arguments = expanded;
    return command;
}

namespace {

// Starts the browser of the first entry that names a usable program.
LaunchResult StartBrowser(const QStringList& ids, const QString& url) {
    for (const QString& id : ids) {
        const QString file = FindDesktopEntry(id);
        const std::optional<DesktopEntry> entry =
            file.isEmpty() ? std::nullopt : ReadDesktopEntry(file);
        const std::optional<CommandLine> command =
            entry ? ExpandExec(*entry, file, url) : std::nullopt;
        if (command) {
            return {QProcess::startDetached(command->program, command->arguments, QString())
                        ? LaunchFailure::None
                        : LaunchFailure::NotStarted,
                    command->program};
        }
    }
    return {LaunchFailure::NoBrowser, {}};
}

// Asks xdg-mime for the default handler of https addresses, then of HTML
// files, one query after the other and without waiting for either: the game
// goes on while they run, and a query that hangs is given up after a while.
class BrowserLookup : public QObject {
public:
    BrowserLookup(QString url, std::function<void(const LaunchResult&)> done)
        : url_(std::move(url)), done_(std::move(done)) {}

    void Query(std::size_t index) {
        static const char* const kTypes[] = {"x-scheme-handler/https", "text/html"};
        if (index == std::size(kTypes)) {
            done_(StartBrowser(ids_, url_));
            deleteLater();
            return;
        }
        auto* query = new QProcess(this);
        auto* timeout = new QTimer(query);
        timeout->setSingleShot(true);
        const auto settle = [this, query, index] {
            // Whichever comes first: the answer, a failed start or the timeout.
            query->disconnect(this);
            if (query->state() != QProcess::NotRunning) {
                query->kill();
                query->waitForFinished();
            }
            const QString id = QString::fromLocal8Bit(query->readAllStandardOutput())
                                   .section(QLatin1Char('\n'), 0, 0)
                                   .trimmed();
            if (id.endsWith(QLatin1String(".desktop")) && !ids_.contains(id)) {
                ids_.append(id);
            }
            query->deleteLater();
            Query(index + 1);
        };
        connect(query, &QProcess::finished, this, settle);
        connect(query, &QProcess::errorOccurred, this, settle);
        connect(timeout, &QTimer::timeout, this, settle);
        timeout->start(kQueryTimeoutMs);
        query->start(
            QStringLiteral("xdg-mime"),
            {QStringLiteral("query"), QStringLiteral("default"), QLatin1String(kTypes[index])});
    }

private:
    QString url_;
    std::function<void(const LaunchResult&)> done_;
    QStringList ids_;
};

} // namespace

void LaunchBrowser(const QString& url, std::function<void(const LaunchResult&)> done) {
    (new BrowserLookup(url, std::move(done)))->Query(0);
}

QString LaunchFailureMessage(const LaunchResult& result) {
    // The second line is the number and description of a pending run-time
    // error, and none is pending when no browser is known.
    switch (result.failure) {
    case LaunchFailure::NoBrowser:
        return QCoreApplication::translate("WebLaunch", "Could not find associated Browser\n0: ");
    case LaunchFailure::NotStarted:
        return QCoreApplication::translate("WebLaunch",
                                           "Web site not located\nThe browser %1 could not be "
                                           "started.")
            .arg(result.program);
    case LaunchFailure::None:
        break;
    }
    return {};
}

void WebLaunch(QWidget* window, const QString& sURL) {
    // One look-up at a time: pressing the command again while one runs does
    // nothing.
    static bool looking = false;
    if (looking) {
        return;
    }
    looking = true;
    LaunchBrowser(sURL, [window = QPointer<QWidget>(window)](const LaunchResult& result) {
        looking = false;
        if (result.failure != LaunchFailure::None) {
            QMessageBox::critical(window, kAppTitle, LaunchFailureMessage(result));
        }
    });
}

} // namespace tarvo
