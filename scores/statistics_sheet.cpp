#include "scores/statistics_sheet.h"

#include "common/error_trap.h"
#include "scores/score_table.h"
#include "scores/statistics.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QVBoxLayout>

namespace tarvo {

namespace {

const QStringList kLevels = {QStringLiteral("Classic"), QStringLiteral("Strong"),
                             QStringLiteral("Expert")};
const QStringList kColumns = {QStringLiteral("played"), QStringLiteral("won"),
                              QStringLiteral("drawn"), QStringLiteral("lost"),
                              QStringLiteral("best")};

} // namespace

StatisticsSheet::StatisticsSheet(SettingsStore& store, QWidget* parent)
    : QDialog(parent), store_(store), table_(new QTableWidget(7, 5, this)),
      summary_(new QLabel(this)), reset_(new QPushButton(tr("&Reset"), this)) {
    setWindowTitle(tr("Statistics"));
    table_->setHorizontalHeaderLabels(
        {tr("Played"), tr("Won"), tr("Drawn"), tr("Lost"), tr("Best")});
    const QString levels[] = {tr("Classic"), tr("Strong"), tr("Expert")};
    QStringList rows;
    for (const QString& level : levels) {
        rows << tr("%1 as Black").arg(level) << tr("%1 as White").arg(level);
    }
    table_->setVerticalHeaderLabels(rows << tr("With a hint or an undo"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAccessibleName(tr("Games against the computer"));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    summary_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->addButton(reset_, QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(reset_, &QPushButton::clicked, this, &StatisticsSheet::Reset);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    Fill();
    const int width = table_->verticalHeader()->sizeHint().width() +
                      table_->horizontalHeader()->length() + 2 * table_->frameWidth() + 4;
    table_->setMinimumSize(width, table_->verticalHeader()->length() +
                                      table_->horizontalHeader()->sizeHint().height() +
                                      2 * table_->frameWidth() + 4);
}

void StatisticsSheet::Fill() {
    KeyValues stored;
    Trapped(this, [&] { stored = store_.GetAll(kScoreApp, kStatisticsSection); });
    const auto counts = [&stored](const QString& key) { return CountsOf(stored, key); };
    QStringList unread;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const QString key =
            row < 6 ? Statistics::LevelKey(kLevels[row / 2], row % 2 == 0) : Statistics::kWithHelp;
        const std::optional<Counts> line = counts(key);
        if (!line) {
            unread << key;
        }
        for (int column = 0; column < kColumns.size(); ++column) {
            const auto found = line ? line->find(kColumns[column]) : Counts::const_iterator{};
            const bool shown = line && found != line->end() && (row < 6 || column < 4);
            auto* item =
                new QTableWidgetItem(shown  ? QString::number(found->second)
                                     : line ? (column < 4 ? QStringLiteral("0") : QString())
                                            : QStringLiteral("?"));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    const auto value = [](const std::optional<Counts>& line, const QString& word) {
        const auto found = line->find(word);
        return found == line->end() ? 0 : found->second;
    };
    QStringList text;
    if (const std::optional<Counts> two = counts(Statistics::kTwoPlayers)) {
        text << tr("Two players on this board: %1 played, %2 won by Black, %3 won by White, %4 "
                   "drawn.")
                    .arg(value(two, QStringLiteral("played")))
                    .arg(value(two, QStringLiteral("won by Black")))
                    .arg(value(two, QStringLiteral("won by White")))
                    .arg(value(two, QStringLiteral("drawn")));
    } else {
        unread << Statistics::kTwoPlayers;
    }
    if (const std::optional<Counts> streak = counts(Statistics::kStreak)) {
        text << tr("Winning streak: %1 now, %2 the longest.")
                    .arg(value(streak, QStringLiteral("now")))
                    .arg(value(streak, QStringLiteral("longest")));
    } else {
        unread << Statistics::kStreak;
    }
    if (!unread.isEmpty()) {
        text << tr("These lines of the settings file could not be read and are left as they "
                   "are: %1.")
                    .arg(unread.join(QStringLiteral(", ")));
    }
    summary_->setText(text.join(QLatin1Char('\n')));
}

void StatisticsSheet::Reset() {
    if (QMessageBox::question(this, tr("Statistics"), tr("Clear all statistics?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    Trapped(this, [&] { store_.DeleteSection(kScoreApp, kStatisticsSection); });
    Fill();
}

} // namespace tarvo
