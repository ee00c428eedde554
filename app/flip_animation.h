#pragma once

#include "app/game_session.h"
#include "view/board_display.h"

#include <QVariantAnimation>
#include <QWidget>
#include <vector>

namespace tarvo {

// View > Animate moves: when the pieces of a move turn, they flip over in
// 0.3 s on a layer above the board, which already shows the finished
// position. The game goes on meanwhile, and anything but a new turn stops
// the flip, so that it never holds up input, a stop or the end.
class FlipAnimation : public QWidget {
public:
    static constexpr int kFlipMs = 300;

    FlipAnimation(const BoardDisplay& display, const GameSession& session, QWidget* picV);

    void SetEnabled(bool on);
    bool enabled() const { return enabled_; }
    bool running() const { return flip_.state() == QAbstractAnimation::Running; }
    void OnEvent(const SessionEvent& event);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Finish();

    const BoardDisplay& display_;
    const GameSession& session_;
    QWidget* picV_;
    bool enabled_ = false;
    QVariantAnimation flip_;
    int16_t turnedTo_ = Black;
    std::vector<Cell> turned_; // of the latest move, until its pieces turn
    std::vector<Cell> flipping_;
};

} // namespace tarvo
