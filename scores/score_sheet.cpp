#include "scores/score_sheet.h"

#include "common/error_trap.h"

#include <QMessageBox>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>
#include <cstdlib>

namespace tarvo {

namespace {

QFont ListFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(9);
    return font;
}

} // namespace

QString PrintedScore(int16_t score) {
    return (score < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
           QString::number(std::abs(static_cast<int>(score))) + QLatin1Char(' ');
}

scoresheet::scoresheet(ScoreRecords& scores, QWidget* parent) : QDialog(parent), scores_(scores) {
    setWindowTitle(tr("Othello game score sheet"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The buttons go below ten lines of the list, in whatever font the
    // desktop gives, and grow to hold their captions in every language.
    const int buttonsTop = std::max(144, LinePosition(10).y() + 6);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setToolTip(tr("Close scoresheet"));
    OKButton->setDefault(true);
    cmdReset = new QPushButton(tr("Reset"), this);
    cmdReset->setToolTip(tr("Clear game score sheet"));
    const int buttonWidth =
        std::max({80, OKButton->sizeHint().width(), cmdReset->sizeHint().width()});
    const int buttonHeight = std::max(25, OKButton->sizeHint().height());
    OKButton->setGeometry(24, buttonsTop, buttonWidth, buttonHeight);
    cmdReset->setGeometry(std::max(184, 24 + buttonWidth + 16), buttonsTop, buttonWidth,
                          buttonHeight);
    setFixedSize(std::max(295, cmdReset->geometry().right() + 1 + 31),
                 buttonsTop + buttonHeight + 6);
    setTabOrder(OKButton, cmdReset);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
}

QPoint scoresheet::LinePosition(int index) const {
    return kFirstLine + QPoint(0, index * QFontMetrics(ListFont()).height());
}

void scoresheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Form_Activate();
    }
}

void scoresheet::Form_Activate() {
    // The load reports its own failure; the list then shows this session's
    // results, and Reset stays at hand to clear a table that cannot be read.
    const bool loaded = Trapped(this, [this] { scores_.LoadScores(); });
    lines_.clear();
    for (int slot = 1; slot <= 10; ++slot) {
        if (scores_.ScoreTable(slot) != 0) {
            lines_.append(PrintedScore(scores_.ScoreTable(slot)));
        }
    }
    cmdReset->setEnabled(!lines_.isEmpty() || !loaded);
    update();
}

void scoresheet::cmdReset_Click() {
    const auto answer =
        QMessageBox::question(this, tr("Clear all game sheet scores"),
                              tr("Are you sure you want to clear all these game sheet's scores?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) {
        return;
    }
    // A failing clear is told, even when the fault was told before, since the
    // player asked for this; the sheet is cleared all the same.
    try {
        scores_.ClearScores();
    } catch (const RuntimeError& error) {
        ShowErrorBox(this, RuntimeError(error.number(), error.description()));
    }
    lines_.clear();
    cmdReset->setEnabled(false);
    update();
}

void scoresheet::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The list is kept and drawn on every paint, so a box that covered it
    // leaves it whole.
    QPainter painter(this);
    painter.setFont(ListFont());
    painter.setPen(Qt::black);
    const QFontMetrics metrics(ListFont());
    for (int i = 0; i < lines_.size(); ++i) {
        painter.drawText(LinePosition(i) + QPoint(0, metrics.ascent()), lines_[i]);
    }
}

} // namespace tarvo
