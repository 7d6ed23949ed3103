#pragma once

#include "core/Settings.h"

#include <QDialog>
#include <memory>

class QLabel;
class QToolButton;

namespace Ui {
class frmOptions;
}

namespace orvane {

// The knife-side dialog: the user clicks the picture that matches the tester.
class frmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit frmOptions(Settings& settings, QWidget* parent = nullptr);
    ~frmOptions() override;

  private:
    // The controls under the names the code uses; the form keeps the documented names (in the
    // comments), listed in docs/NAMES.md.
    struct Controls {
        QToolButton* knifeLeftButton = nullptr;  // Option1_0
        QToolButton* knifeRightButton = nullptr; // Option1_1
        QLabel* choiceLabel = nullptr;           // Label2
    };

    void showChoice(bool knifeRight);

    Settings& settings_;
    std::unique_ptr<Ui::frmOptions> ui_;
    Controls controls_;
};

} // namespace orvane
