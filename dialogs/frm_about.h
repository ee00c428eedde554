#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace tarvo {

// The platform this build runs on, as the about box names it.
QString PlatformText();

// The about box: title, version, copyright, the maker's page and the
// system-information button.
class frmAbout : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(frmAbout)

public:
    // `webLaunch` opens an address, as the main window's web command does.
    frmAbout(QWidget* parent, std::function<void(const QString&)> webLaunch);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* Label1;
    QLabel* lblCopyright;
    QLabel* lblMessage;
    QLabel* lblHomeURL;
    QLabel* lblDisclaimer;
    QLabel* lblVersion;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

    void lblHomeURL_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void MakeRoomForTheNotice();
    void Form_Load();

    std::function<void(const QString&)> webLaunch_;
};

} // namespace tarvo
