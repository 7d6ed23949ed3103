#pragma once

#include <QDialog>

class QListWidget;

namespace orvane {

class CameraSettings;

// "Video Format": the connected camera's formats; OK switches to the chosen one.
class VideoFormatDialog : public QDialog {
    Q_OBJECT
  public:
    explicit VideoFormatDialog(CameraSettings& camera, QWidget* parent = nullptr);

    void accept() override;

  private:
    CameraSettings& camera_;
    QListWidget* lstFormats_;
};

} // namespace orvane
