#include "app/gui/SplashWindow.h"

#include "app/gui/Logo.h"
#include "ui_SplashWindow.h"

namespace orvane {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), ui_(new Ui::frmSplash) {
    ui_->setupUi(this);
    ui_->lblVersion->setText(QStringLiteral("Version " ORVANE_VERSION));
    ui_->imgLogo->setPixmap(orvaneLogo(128));
    setFocusPolicy(Qt::StrongFocus);
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::setStatus(const QString& text) {
    ui_->lblWarning->setText(text);
}

void SplashWindow::closeSplash() {
    close();
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    dismiss();
}

// Clicks on the frame and the logo arrive here too: labels and frames pass them on.
void SplashWindow::mousePressEvent(QMouseEvent*) {
    dismiss();
}

void SplashWindow::dismiss() {
    emit dismissed();
    close();
}

} // namespace orvane
