#include "dialogs/frm_start.h"

#include "common/app_info.h"

#include <QKeyEvent>
#include <algorithm>

namespace tarvo {

namespace {

QFont DialogFont(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11); // 8.25 points
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

} // namespace

frmStart::frmStart(QWidget* parent, Opponents opponents) : QDialog(parent) {
    setWindowTitle(kAppTitle);
    setFont(DialogFont(false));
    setFixedSize(207, 173);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    fmStartPrompt_ = new QGroupBox(tr("Select your choice of playing colour"), this);
    fmStartPrompt_->setGeometry(8, 8, 193, 97);
    const QString captions[2] = {tr("&Black"), tr("&White")};
    const QColor colours[2] = {Qt::black, Qt::white};
    const int lefts[2] = {16, 88};
    for (int i = 0; i < 2; ++i) {
        optColor[i] = new QRadioButton(captions[i], fmStartPrompt_);
        // A translated caption may be wider: the button grows, and the next
        // one moves along.
        const int left =
            i == 0 ? lefts[0] : std::max(lefts[1], optColor[0]->geometry().right() + 8);
        optColor[i]->setGeometry(left, 24, 63, 23);
        optColor[i]->setFont(DialogFont(true));
        SetTextColour(optColor[i], colours[i]);
        optColor[i]->resize(std::max(63, optColor[i]->sizeHint().width()), 23);
    }
    lblMsg_ = new QLabel(tr("Black will be first to begin the game"), fmStartPrompt_);
    lblMsg_->setGeometry(8, 64, 177, 15);

    // Two people, or two computers, need no colour: Black begins.
    cboPlayers = new QComboBox(this);
    cboPlayers->addItems({tr("You against the computer"), tr("Two players on this board"),
                          tr("Computer against computer")});
    cboPlayers->setAccessibleName(tr("Players"));
    cboPlayers->setGeometry(8, 110, 193, 24);
    cboPlayers->resize(std::max(193, cboPlayers->sizeHint().width()), 24);
    connect(cboPlayers, &QComboBox::currentIndexChanged, this,
            [this](int index) { fmStartPrompt_->setEnabled(index == 0); });
    cboPlayers->setCurrentIndex(static_cast<int>(opponents));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setGeometry(8, 140, 80, 25);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setGeometry(120, 140, 80, 25);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    setTabOrder(optColor[0], optColor[1]);
    setTabOrder(optColor[1], cboPlayers);
    setTabOrder(cboPlayers, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    // Black is selected at each opening, whatever the last game chose.
    optColor[0]->setChecked(true);
    optColor[0]->setFocus();
}

void frmStart::SetHighContrast() {
    QPalette palette = optColor[1]->palette();
    palette.setColor(optColor[1]->backgroundRole(), Qt::black);
    optColor[1]->setPalette(palette);
    optColor[1]->setAutoFillBackground(true);
}

void frmStart::keyPressEvent(QKeyEvent* event) {
    // Esc is the Cancel button's key; a plain reject() would be the close box.
    if (event->key() == Qt::Key_Escape) {
        cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmStart::cmdOK_Click() {
    choice_ = GameChoice{static_cast<int16_t>(optColor[1]->isChecked() ? 1 : 0),
                         static_cast<Opponents>(cboPlayers->currentIndex())};
    accept();
}

void frmStart::cmdCancel_Click() {
    choice_.reset();
    reject();
}

} // namespace tarvo
