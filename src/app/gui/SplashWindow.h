#pragma once

#include "app/shell/SplashView.h"

#include <QWidget>
#include <memory>

namespace Ui {
class frmSplash;
}

namespace orvane {

// frmSplash: start-up progress. A key press or a click dismisses it early.
class SplashWindow : public QWidget, public SplashView {
    Q_OBJECT

  public:
    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

    void setStatus(const QString& text) override;
    void closeSplash() override;
    Ui::frmSplash& ui() { return *ui_; }

  signals:
    // The operator wants the main window now.
    void dismissed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void dismiss();

    std::unique_ptr<Ui::frmSplash> ui_;
};

} // namespace orvane
