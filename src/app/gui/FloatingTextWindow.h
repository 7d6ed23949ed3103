#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

class QGroupBox;
class QPlainTextEdit;

namespace Ui {
class frmText;
}

namespace orvane {

// frmText: a floating copy of the main window's two text boxes, refreshed every 50 ms, to read
// at a distance or on another screen.
class FloatingTextWindow : public QWidget {
    Q_OBJECT

  public:
    FloatingTextWindow(const QPlainTextEdit* debugText, const QPlainTextEdit* testData,
                       QWidget* owner);
    ~FloatingTextWindow() override;

    const QTimer& refreshTimer() const { return timer_; }
    // Copies both texts now (the timer's tick).
    void copyTexts();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QGroupBox* debugFrame = nullptr;        // Frame1
        QPlainTextEdit* debugText = nullptr;    // Text1
        QGroupBox* testDataFrame = nullptr;     // Frame2
        QPlainTextEdit* testDataText = nullptr; // Text2
    };

    std::unique_ptr<Ui::frmText> ui_;
    Controls controls_;
    QPointer<const QPlainTextEdit> debugText_;
    QPointer<const QPlainTextEdit> testData_;
    QTimer timer_;
    bool centred_ = false;
};

} // namespace orvane
