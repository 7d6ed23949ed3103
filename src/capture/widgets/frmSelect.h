#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmSelect;
}

namespace orvane {

class CaptureController;
class FrameSource;
class VideoFileSource;

// "Video Source": lists the installed drivers and connects the chosen one. Modeless; the
// owner opens it after CaptureController::onSelect. Cancel, Escape and the close box all end
// the selection without a change. Choosing "Video file…" asks for the file first.
class frmSelect : public QDialog {
    Q_OBJECT
  public:
    frmSelect(FrameSource& drivers, CaptureController& controller, QWidget* parent = nullptr,
              VideoFileSource* videoFile = nullptr);
    ~frmSelect() override;

    void accept() override;
    void reject() override;

  private:
    void listDrivers();
    // False when no playable file was chosen.
    bool chooseVideoFile();

    std::unique_ptr<Ui::frmSelect> ui_;
    FrameSource& drivers_;
    CaptureController& controller_;
    VideoFileSource* videoFile_;
};

} // namespace orvane
