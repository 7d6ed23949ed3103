#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmSelect;
}

namespace orvane {

class CaptureController;
class FrameSource;

// "Video Source": lists the installed drivers and connects the chosen one. Modeless; the
// owner opens it after CaptureController::onSelect. Cancel, Escape and the close box all end
// the selection without a change.
class frmSelect : public QDialog {
    Q_OBJECT
  public:
    frmSelect(FrameSource& drivers, CaptureController& controller, QWidget* parent = nullptr);
    ~frmSelect() override;

    void accept() override;
    void reject() override;

  private:
    void listDrivers();

    std::unique_ptr<Ui::frmSelect> ui_;
    FrameSource& drivers_;
    CaptureController& controller_;
};

} // namespace orvane
