#include "app/board_comforts.h"

#include "game/rules.h"
#include "view/board_accessible.h"

#include <algorithm>

namespace tarvo {

namespace {

constexpr int kHintMs = 2000;

} // namespace

BoardComforts::BoardComforts(BoardDisplay& display, QWidget* picV, GameDriver& driver)
    : display_(display), picV_(picV), driver_(driver) {
    ring_.setSingleShot(true);
    ring_.setInterval(kHintMs);
    connect(&ring_, &QTimer::timeout, this, [this] {
        hint_ = {};
        Refresh();
    });
}

void BoardComforts::SetShowLegal(bool on) {
    showLegal_ = on;
    Refresh();
}

void BoardComforts::Reset() {
    driver_.DropHint();
    asked_ = false;
    hint_ = {};
    ring_.stop();
    Refresh();
}

void BoardComforts::AskHint() {
    const GameState& s = driver_.session().state();
    if (!s.AwaitingInput || s.StopFlag || asked_) {
        return;
    }
    if (!hint_.isNull()) {
        ring_.start();
        return;
    }
    asked_ = true;
    driver_.Hint([this](int cell) { ShowHint(cell); });
}

void BoardComforts::ShowHint(int cell) {
    asked_ = false;
    if (cell < 0) {
        return;
    }
    hint_ = QPoint(cell % 8 + 1, cell / 8 + 1);
    driver_.session().NoteHint();
    Refresh();
    ring_.start();
}

bool BoardComforts::Key(int key) {
    const struct {
        int key;
        QPoint step;
    } arrows[] = {{Qt::Key_Left, {-1, 0}},
                  {Qt::Key_Right, {1, 0}},
                  {Qt::Key_Up, {0, -1}},
                  {Qt::Key_Down, {0, 1}}};
    for (const auto& arrow : arrows) {
        if (key == arrow.key) {
            // The first press only shows the frame.
            const QPoint at = cursor_.isNull() ? QPoint(4, 4) : cursor_ + arrow.step;
            cursor_ = QPoint(std::clamp(at.x(), 1, 8), std::clamp(at.y(), 1, 8));
            Refresh();
            FocusBoardCell(picV_, cursor_.y(), cursor_.x());
            return true;
        }
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !cursor_.isNull()) {
        driver_.session().ChooseCell(cursor_.y(), cursor_.x());
        return true;
    }
    return false;
}

bool BoardComforts::IsShownLegal(int row, int col) const {
    const GameState& s = driver_.session().state();
    return showLegal_ && s.AwaitingInput && !s.StopFlag && IsHumanMove(s, row, col);
}

void BoardComforts::Refresh() {
    BoardAids aids;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            if (IsShownLegal(r, c)) {
                aids.legal.emplace_back(c, r);
            }
        }
    }
    aids.hint = hint_;
    aids.cursor = cursor_;
    display_.ShowAids(driver_.session().state().CellSize, aids);
}

QString BoardComforts::CellName(int row, int col) const {
    const int16_t code = driver_.session().state().Board(row, col);
    QString name = (code == Black   ? tr("row %1, column %2, black")
                    : code == White ? tr("row %1, column %2, white")
                                    : tr("row %1, column %2, empty"))
                       .arg(row)
                       .arg(col);
    if (IsShownLegal(row, col)) {
        name += tr(", legal move");
    }
    return name;
}

} // namespace tarvo
