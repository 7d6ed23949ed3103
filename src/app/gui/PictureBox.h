#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace orvane {

// A picture box with a persistent image in pixel scale: drawing goes into image() and stays
// there until cleared. With autoSize the box takes the size of the image it is given (the video
// frame); otherwise the image follows the box's size, keeping what was drawn.
class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QColor background READ background WRITE setBackground)

  public:
    explicit PictureBox(QWidget* parent = nullptr);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    QColor background() const { return background_; }
    void setBackground(const QColor& colour);

    // The image to draw on; call update() after drawing.
    QImage& image();
    void setImage(const QImage& image);
    // Fills the image with the background colour.
    void clear();

  signals:
    // The box took a new size; what was drawn outside the new size is gone.
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitImageToBox();

    QImage image_;
    QColor background_;
    bool autoSize_ = false;
};

} // namespace orvane
