#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>
#include <optional>

namespace tarvo {

// Who plays the next game.
enum class Opponents { Computer, TwoPlayers, TwoComputers };

// What the player chose for the next game.
struct GameChoice {
    int16_t colour = 0; // 0 Black, 1 White: the person's against the computer
    Opponents opponents = Opponents::Computer;
    bool operator==(const GameChoice&) const = default;
};

// The choice before every game: the person's colour, Black at each opening,
// and who plays, as the last game had it.
class frmStart : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmStart)

public:
    frmStart(QWidget* parent, Opponents opponents);

    // Sets the white caption on black, for the high-contrast board.
    void SetHighContrast();

    // What OK took in this opening; nothing after Cancel, Esc or the close box.
    std::optional<GameChoice> choice() const { return choice_; }

    QRadioButton* optColor[2];
    QComboBox* cboPlayers;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    QGroupBox* fmStartPrompt_;
    QLabel* lblMsg_;
    std::optional<GameChoice> choice_;
};

} // namespace tarvo
