#pragma once

#include "scores/settings_store.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace tarvo {

// Game > Statistics: the games against the computer by level and colour,
// those with help, those of two people on one board and the winning streak,
// with a Reset that asks first.
class StatisticsSheet : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(StatisticsSheet)

public:
    StatisticsSheet(SettingsStore& store, QWidget* parent);

    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    QPushButton* resetButton() const { return reset_; }
    void Reset();

private:
    void Fill();

    SettingsStore& store_;
    QTableWidget* table_;
    QLabel* summary_;
    QPushButton* reset_;
};

} // namespace tarvo
