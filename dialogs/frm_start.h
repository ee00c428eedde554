#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>

namespace tarvo {

// The colour choice before every game. Its two answers outlive the dialog.
class frmStart : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmStart)

public:
    // The selected option: 0 Black, 1 White. Set to 0 each time the dialog loads.
    static inline int16_t ChosenColor = 0;
    // True when the dialog was last closed with OK, False after Cancel; the
    // close box changes neither.
    static inline bool OK = false;

    explicit frmStart(QWidget* parent);

    QRadioButton* optColor[2];
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void optColor_Click(int16_t index);
    void cmdOK_Click();
    void cmdCancel_Click();

    QGroupBox* fmStartPrompt_;
    QLabel* lblMsg_;
};

} // namespace tarvo
