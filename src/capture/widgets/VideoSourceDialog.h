#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class VideoSourceDialog;
}

namespace orvane {

class CameraSettings;

// "Video Source Controls": the exposure and colour controls the connected camera offers,
// applied as they change.
class VideoSourceDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VideoSourceDialog(CameraSettings& camera, QWidget* parent = nullptr);
    ~VideoSourceDialog() override;

  private:
    std::unique_ptr<Ui::VideoSourceDialog> ui_;
};

} // namespace orvane
