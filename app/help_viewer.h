#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <QWidget>

namespace tarvo {

inline const QString kHelpFileName = QStringLiteral("tarvo-othello-help.html");

// Where the help document is looked for, in order: beside the program, then
// in the installed data folders.
QStringList HelpFileCandidates();

// The anchor of a help context number's topic; the contents for any number
// without a topic of its own.
QString HelpAnchor(int context);

// The help window: the help document in a browser, opened at a topic. When
// the document is missing or unreadable it says so, and nothing else changes.
class HelpViewer : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(HelpViewer)

public:
    explicit HelpViewer(QStringList candidates, QWidget* parent = nullptr);

    void setCandidates(QStringList candidates) { candidates_ = std::move(candidates); }
    // Opens the document again, so that a changed or restored file is seen,
    // and shows the topic of `context`.
    void ShowTopic(int context);

    QTextBrowser* browser() const { return browser_; }
    // The document shown, empty when none could be read.
    const QString& documentPath() const { return documentPath_; }

private:
    QStringList candidates_;
    QTextBrowser* browser_;
    QString documentPath_;
};

} // namespace tarvo
