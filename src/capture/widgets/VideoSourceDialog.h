#pragma once

#include "capture/CameraSettings.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class VideoSourceDialog;
}

namespace orvane {

// "Video Source Controls": the exposure, colour and focus controls, applied as they change (which
// makes each manual) and told to `chosen`; those the camera lacks are shown greyed.
class VideoSourceDialog : public QDialog {
    Q_OBJECT
  public:
    using ChosenHandler = std::function<void(CameraControlId, double)>;

    explicit VideoSourceDialog(CameraSettings& camera, QWidget* parent = nullptr,
                               ChosenHandler chosen = {});
    ~VideoSourceDialog() override;

  private:
    std::unique_ptr<Ui::VideoSourceDialog> ui_;
};

} // namespace orvane
