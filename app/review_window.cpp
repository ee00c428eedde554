#include "app/review_window.h"

#include "app/game_driver.h"
#include "app/game_files.h"
#include "app/game_texts.h"
#include "view/board_display.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tarvo {

namespace {

QString Signed(int discs) {
    // The minus sign, not a hyphen: it reads as one.
    return discs > 0   ? QStringLiteral("+%1").arg(discs)
           : discs < 0 ? QStringLiteral("\u2212%1").arg(-discs)
                       : QStringLiteral("0");
}

QString CellText(int cell) {
    return QString::fromStdString(engine::CellName(cell));
}

// The mark of a score the search estimated.
QString Approximate(const MoveAnalysis& move) {
    return move.exact ? QString() : QStringLiteral("\u2248");
}

// A side's discs on the position after a step, whoever is to move there.
struct Discs {
    engine::Bits black = 0;
    engine::Bits white = 0;
};

Discs DiscsOf(const engine::Position& p, int16_t toMove) {
    return toMove == Black ? Discs{p.mine, p.theirs} : Discs{p.theirs, p.mine};
}

} // namespace

// The position with its move crossed, columns a-h and rows 1-8 at its edges,
// in the colours of the game's board.
class ReviewBoard : public QWidget {
public:
    explicit ReviewBoard(QWidget* parent) : QWidget(parent) {
        setMinimumSize(kCell * 9, kCell * 9);
        setAccessibleName(ReviewWindow::tr("Board"));
    }
    void Show(Discs discs, int marked) {
        discs_ = discs;
        marked_ = marked;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), colours::kWindow);
        const int s = std::min(width(), height()) / 9;
        const int half = s / 2;
        painter.setPen(colours::kNumber);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(std::max(8, s / 2));
        painter.setFont(font);
        for (int n = 0; n < 8; ++n) {
            const QRect column(half + s * n, 0, s, half);
            const QRect row(0, half + s * n, half, s);
            painter.drawText(column, Qt::AlignCenter, QString(QChar(u'a' + n)));
            painter.drawText(row, Qt::AlignCenter, QString::number(n + 1));
        }
        painter.setRenderHint(QPainter::Antialiasing);
        for (int cell = 0; cell < 64; ++cell) {
            const QRect square(half + s * (cell % 8), half + s * (cell / 8), s, s);
            painter.fillRect(square, colours::kEmptyCell);
            painter.setPen(QPen(colours::kGrid, 2));
            painter.drawRect(square);
            const engine::Bits bit = engine::Bit(cell);
            if (((discs_.black | discs_.white) & bit) != 0) {
                painter.setPen(QPen(colours::kGrid, 1));
                painter.setBrush((discs_.black & bit) != 0 ? colours::kBlackPiece
                                                           : colours::kWhitePiece);
                painter.drawEllipse(square.adjusted(3, 3, -3, -3));
                painter.setBrush(Qt::NoBrush);
            }
            if (cell == marked_) {
                painter.setPen(QPen(colours::kMark, 3));
                painter.drawLine(square.topLeft(), square.bottomRight());
                painter.drawLine(square.bottomLeft(), square.topRight());
            }
        }
    }

private:
    static constexpr int kCell = 32;
    Discs discs_;
    int marked_ = kPassMove;
};

// Black's score after each move, from the first move to the last, with the
// shown move's line; a click shows the move nearest to it.
class ScoreGraph : public QWidget {
public:
    ScoreGraph(std::function<void(int)> clicked, QWidget* parent)
        : QWidget(parent), clicked_(std::move(clicked)) {
        setMinimumHeight(90);
        setAccessibleName(ReviewWindow::tr("Score graph"));
        setAccessibleDescription(
            ReviewWindow::tr("Black's final discs with best play after each move"));
    }
    void SetCount(int count) { scores_.assign(static_cast<std::size_t>(count), std::nullopt); }
    void SetScore(int k, int blackScore) {
        scores_[static_cast<std::size_t>(k)] = blackScore;
        update();
    }
    void SetShown(std::optional<int> k) {
        shown_ = k;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
        int top = 8;
        for (const auto& score : scores_) {
            top = std::max(top, std::abs(score.value_or(0)));
        }
        const auto x = [&](int k) { return area.left() + area.width() * (k + 0.5) / Count(); };
        const auto y = [&](int score) {
            return area.center().y() - area.height() / 2 * score / top;
        };
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.drawLine(QPointF(area.left(), y(0)), QPointF(area.right(), y(0)));
        if (shown_) {
            painter.setPen(QPen(colours::kMark, 2));
            painter.drawLine(QPointF(x(*shown_), area.top()), QPointF(x(*shown_), area.bottom()));
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Text), 2));
        std::optional<QPointF> last;
        for (int k = 0; k < Count(); ++k) {
            const auto& score = scores_[static_cast<std::size_t>(k)];
            if (!score) {
                last.reset();
                continue;
            }
            const QPointF point(x(k), y(*score));
            if (last) {
                painter.drawLine(*last, point);
            }
            painter.drawEllipse(point, 1.5, 1.5);
            last = point;
        }
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (Count() > 0) {
            const double at = (event->position().x() - 4) / std::max(1, width() - 8) * Count();
            clicked_(std::clamp(static_cast<int>(at), 0, Count() - 1));
        }
    }

private:
    int Count() const { return static_cast<int>(scores_.size()); }

    std::function<void(int)> clicked_;
    std::vector<std::optional<int>> scores_;
    std::optional<int> shown_;
};

ReviewWindow::ReviewWindow(GameRecord record, std::function<void(const GameStart&)> playFrom,
                           QWidget* parent, AnalysisDepth depth)
    : QDialog(parent), record_(std::move(record)), playFrom_(std::move(playFrom)),
      analysis_(record_.replay, depth), moves_(analysis_.placements().size()),
      values_(static_cast<std::size_t>(analysis_.Positions())), board_(new ReviewBoard(this)),
      graph_(new ScoreGraph([this](int k) { ShowRow(RowOfPlacement(k)); }, this)),
      list_(new QListWidget(this)), verdict_(new QLabel(this)), costliest_(new QLabel(this)),
      progress_(new QProgressBar(this)), stop_(new QPushButton(tr("S&top analysis"), this)),
      playFromHere_(new QPushButton(tr("&Play from here"), this)) {
    setWindowTitle(tr("Review game"));
    list_->setAccessibleName(tr("Moves"));
    verdict_->setWordWrap(true);
    costliest_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    graph_->SetCount(static_cast<int>(moves_.size()));
    for (int row = 0; row <= static_cast<int>(record_.replay.steps.size()); ++row) {
        list_->addItem(QString());
        UpdateRow(row);
    }
    // Room for the widest entry a game can have, and a scroll bar.
    const QString widest = tr("%1. %2 %3").arg(60).arg(ColourName(White), QStringLiteral("h8")) +
                           QStringLiteral("   \u2248\u221264");
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(widest) +
                           list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ShowRow(row); });

    progress_->setRange(0, analysis_.Positions());
    progress_->setFormat(tr("Analysing %v of %m positions"));
    progress_->setAccessibleName(tr("Analysis"));
    connect(stop_, &QPushButton::clicked, this, &ReviewWindow::StopAnalysis);
    connect(playFromHere_, &QPushButton::clicked, this, [this] {
        std::vector<int> moves;
        for (int i = 0; i < shownRow(); ++i) {
            const int cell = record_.replay.steps[static_cast<std::size_t>(i)].cell;
            if (cell != kPassMove) {
                moves.push_back(cell);
            }
        }
        const GameStart start{record_.replay.setup, moves};
        close();
        playFrom_(start);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(playFromHere_, QDialogButtonBox::ActionRole);
    connect(buttons->addButton(tr("&Copy transcript"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &ReviewWindow::CopyTranscript);
    connect(buttons->addButton(tr("&Save game..."), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, [this] { SaveGameRecord(this, record_); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(board_, 1);
    left->addWidget(verdict_);
    left->addWidget(graph_);
    left->addWidget(costliest_);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(list_);
    auto* analysis = new QHBoxLayout;
    analysis->addWidget(progress_, 1);
    analysis->addWidget(stop_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(analysis);
    layout->addWidget(buttons);

    ShowCostliest();
    list_->setFocus();
    ShowRow(static_cast<int>(record_.replay.steps.size()));

    worker_ = std::jthread([this, paths = WeightPaths()] {
        engine::Searcher searcher;
        const engine::PatternWeights* weights = TrainedWeights(paths);
        while (const std::optional<GameAnalysis::Scoring> scored =
                   analysis_.Next(searcher, stopping_, weights)) {
            Result result{scored->position, analysis_.ValueOf(scored->position), scored->placement,
                          std::nullopt, analysis_.Scored()};
            if (scored->placement) {
                result.move = analysis_.Move(*scored->placement);
            }
            QMetaObject::invokeMethod(
                this, [this, result] { Scored(result); }, Qt::QueuedConnection);
        }
    });
}

ReviewWindow::~ReviewWindow() {
    StopAnalysis();
}

void ReviewWindow::StopAnalysis() {
    stopping_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
    if (!finished_) {
        finished_ = true;
        progress_->setFormat(tr("Analysis stopped after %v of %m positions"));
        stop_->setEnabled(false);
    }
}

void ReviewWindow::Scored(const Result& result) {
    progress_->setValue(result.scored);
    values_[static_cast<std::size_t>(result.position)] = result.value;
    if (result.placement && result.move) {
        const int k = *result.placement;
        moves_[static_cast<std::size_t>(k)] = result.move;
        const int played = result.move->played;
        graph_->SetScore(k, StepOf(static_cast<std::size_t>(k)).colour == Black ? played : -played);
        UpdateRow(RowOfPlacement(k));
        ShowCostliest();
    }
    ShowRow(shownRow());
    if (result.scored == analysis_.Positions() && !finished_) {
        finished_ = true;
        progress_->setFormat(tr("Analysis complete"));
        stop_->setEnabled(false);
        ShowCostliest();
    }
}

std::optional<int> ReviewWindow::PlacementOfRow(int row) const {
    const auto& placements = analysis_.placements();
    const auto found = std::ranges::find(placements, row - 1);
    if (row < 1 || found == placements.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - placements.begin());
}

QString ReviewWindow::RowText(int row, bool spoken) const {
    if (row == 0) {
        return tr("Start");
    }
    const GameStep& step = record_.replay.steps[static_cast<std::size_t>(row - 1)];
    const QString colour = ColourName(step.colour);
    if (step.cell == kPassMove) {
        return tr("%1 passes").arg(colour);
    }
    const int k = *PlacementOfRow(row);
    const auto& move = moves_[static_cast<std::size_t>(k)];
    if (spoken) {
        const int n = move ? move->Lost() : 0;
        const QString said = !move    ? tr("not yet scored")
                             : n == 0 ? tr("best move")
                             : move->exact
                                 ? (n == 1 ? tr("lost 1 disc") : tr("lost %1 discs").arg(n))
                             : n == 1 ? tr("lost about 1 disc")
                                      : tr("lost about %1 discs").arg(n);
        return tr("move %1, %2 %3, %4").arg(k + 1).arg(colour.toLower(), CellText(step.cell), said);
    }
    const QString cost = !move               ? QStringLiteral("\u2026")
                         : move->Lost() == 0 ? Approximate(*move) + tr("best")
                                             : Approximate(*move) + Signed(-move->Lost());
    return tr("%1. %2 %3").arg(k + 1).arg(colour, CellText(step.cell)) + QStringLiteral("   ") +
           cost;
}

void ReviewWindow::UpdateRow(int row) {
    QListWidgetItem* item = list_->item(row);
    item->setText(RowText(row, false));
    item->setData(Qt::AccessibleTextRole, RowText(row, true));
}

int ReviewWindow::shownRow() const {
    return list_->currentRow();
}

void ReviewWindow::ShowRow(int row) {
    const auto& steps = record_.replay.steps;
    row = std::clamp(row, 0, static_cast<int>(steps.size()));
    if (list_->currentRow() != row) {
        list_->setCurrentRow(row); // comes back here
        return;
    }
    const bool last = row == static_cast<int>(steps.size());
    const GameStep* next = last ? nullptr : &steps[static_cast<std::size_t>(row)];
    board_->Show(last ? DiscsOf(record_.replay.last, record_.replay.toMove)
                      : DiscsOf(next->before, next->colour),
                 row == 0 ? kPassMove : steps[static_cast<std::size_t>(row - 1)].cell);
    const std::optional<int> k = PlacementOfRow(row);
    graph_->SetShown(k);
    playFromHere_->setEnabled(!(last && record_.replay.over));
    QString text;
    if (!k) {
        text = RowText(row, false);
    } else if (const auto& move = moves_[static_cast<std::size_t>(*k)]; !move) {
        text = tr("Not yet scored");
    } else {
        text = move->Lost() == 0
                   ? tr("The best move: %1").arg(Signed(move->best))
                   : tr("%1: %2 was best").arg(Signed(-move->Lost()), CellText(move->bestCell));
        if (!move->exact) {
            text += QLatin1Char(' ') + tr("(an estimate)");
        }
    }
    // The position shown stands before the next move that places a disc.
    const auto position =
        std::ranges::count_if(analysis_.placements(), [row](int step) { return step < row; });
    if (const auto& value = values_[static_cast<std::size_t>(position)]) {
        text += QLatin1Char('\n') + (value->black == 0
                                         ? tr("With best play the game is drawn")
                                         : tr("With best play %1 wins by %2")
                                               .arg(ColourName(value->black > 0 ? Black : White))
                                               .arg(std::abs(value->black)));
        if (!value->exact) {
            text += QLatin1Char(' ') + tr("(an estimate)");
        }
    }
    verdict_->setText(text);
    verdict_->setAccessibleName(text);
}

void ReviewWindow::ShowCostliest() {
    // A person's mistakes are what a review is for; between two people or
    // two computers both sides count.
    const auto& players = record_.players;
    QStringList lines;
    for (const int16_t colour : {Black, White}) {
        const bool human = players[colour == Black ? 0 : 1].human;
        const bool oneHuman = players[0].human != players[1].human;
        if (oneHuman && !human) {
            continue;
        }
        std::vector<std::pair<int, std::size_t>> lost; // discs, placement
        for (std::size_t k = 0; k < moves_.size(); ++k) {
            if (moves_[k] && moves_[k]->Lost() > 0 && StepOf(k).colour == colour) {
                lost.emplace_back(moves_[k]->Lost(), k);
            }
        }
        std::ranges::stable_sort(lost, std::greater<>{}, &std::pair<int, std::size_t>::first);
        QStringList named;
        for (std::size_t i = 0; i < std::min<std::size_t>(3, lost.size()); ++i) {
            const std::size_t k = lost[i].second;
            named << tr("%1. %2 (%3)")
                         .arg(k + 1)
                         .arg(CellText(StepOf(k).cell),
                              Approximate(*moves_[k]) + Signed(-lost[i].first));
        }
        lines << tr("Costliest moves of %1: %2")
                     .arg(ColourName(colour),
                          named.isEmpty() ? (finished_ ? tr("none") : QStringLiteral("\u2026"))
                                          : named.join(QStringLiteral(", ")));
    }
    costliest_->setText(lines.join(QLatin1Char('\n')));
}

bool ReviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            ShowRow(shownRow() + (key == Qt::Key_Left ? -1 : 1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReviewWindow::CopyTranscript() const {
    QApplication::clipboard()->setText(QString::fromStdString(WriteTranscript(record_.replay)));
}

} // namespace tarvo
