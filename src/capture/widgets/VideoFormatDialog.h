#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class VideoFormatDialog;
}

namespace orvane {

class CameraSettings;

// "Video Format": the connected camera's formats; OK switches to the chosen one.
class VideoFormatDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VideoFormatDialog(CameraSettings& camera, QWidget* parent = nullptr);
    ~VideoFormatDialog() override;

    void accept() override;

  private:
    CameraSettings& camera_;
    std::unique_ptr<Ui::VideoFormatDialog> ui_;
};

} // namespace orvane
