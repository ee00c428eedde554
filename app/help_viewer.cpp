#include "app/help_viewer.h"

#include "common/app_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tarvo {

QStringList HelpFileCandidates() {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList candidates{
        programDir + QLatin1Char('/') + kHelpFileName,
        QDir::cleanPath(programDir + QStringLiteral("/" TARVO_DATA_FROM_BIN "/") + kHelpFileName)};
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        candidates.append(dir + QStringLiteral("/tarvo-othello/") + kHelpFileName);
    }
    candidates.removeDuplicates();
    return candidates;
}

QString HelpAnchor(int context) {
    switch (context) {
    case 11:
        return QStringLiteral("start-stop");
    case 12:
        return QStringLiteral("score-sheet");
    case 13:
        return QStringLiteral("exit");
    case 14:
        return QStringLiteral("web");
    case 15:
        return QStringLiteral("about");
    case 16:
        return QStringLiteral("review");
    case 17:
        return QStringLiteral("view");
    default:
        return QStringLiteral("contents");
    }
}

HelpViewer::HelpViewer(QStringList candidates, QWidget* parent)
    : QWidget(parent, Qt::Window), candidates_(std::move(candidates)),
      browser_(new QTextBrowser(this)) {
    setWindowTitle(tr("%1 Help").arg(kAppTitle));
    resize(560, 520);
    browser_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void HelpViewer::ShowTopic(int context) {
    documentPath_.clear();
    QString problem;
    for (const QString& candidate : candidates_) {
        if (!QFile::exists(candidate)) {
            continue;
        }
        QFile file(candidate);
        if (file.open(QIODevice::ReadOnly)) {
            documentPath_ = candidate;
        } else {
            problem = tr("<p>%1 could not be read: %2.</p>")
                          .arg(candidate.toHtmlEscaped(), file.errorString().toHtmlEscaped());
        }
        break;
    }
    if (documentPath_.isEmpty()) {
        if (problem.isEmpty()) {
            problem = tr("<p>It was looked for here:</p><ul>");
            for (const QString& candidate : candidates_) {
                problem += QStringLiteral("<li>%1</li>").arg(candidate.toHtmlEscaped());
            }
            problem += QStringLiteral("</ul>");
        }
        browser_->setHtml(tr("<h2>Help is not available</h2>"
                             "<p>The help document %1 could not be opened.</p>%2"
                             "<p>The game goes on as before.</p>")
                              .arg(kHelpFileName, problem));
    } else {
        const QUrl document = QUrl::fromLocalFile(documentPath_);
        if (browser_->source().adjusted(QUrl::RemoveFragment) == document) {
            browser_->reload();
        }
        QUrl topic = document;
        topic.setFragment(HelpAnchor(context));
        browser_->setSource(topic);
    }
    show();
    raise();
    activateWindow();
}

} // namespace tarvo
