#pragma once

#include "scores/score_table.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QStringList>

namespace tarvo {

// The text a result is printed as: a blank for the sign, the digits, a blank.
QString PrintedScore(int16_t score);

// The window that lists the ten best results, best first, and clears them.
class scoresheet : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(scoresheet)

public:
    static constexpr QPoint kFirstLine{33, 8}; // 500 and 120 twips

    scoresheet(ScoreRecords& scores, QWidget* parent);

    QPushButton* OKButton;
    QPushButton* cmdReset;

    // The lines drawn, best first.
    const QStringList& lines() const { return lines_; }
    // The top left corner of line `index`.
    QPoint LinePosition(int index) const;

    void cmdReset_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Activate();

    ScoreRecords& scores_;
    QStringList lines_;
};

} // namespace tarvo
