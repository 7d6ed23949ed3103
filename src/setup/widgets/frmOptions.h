#pragma once

#include "core/Settings.h"

#include <QDialog>
#include <memory>

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
    void showChoice(bool knifeRight);

    Settings& settings_;
    std::unique_ptr<Ui::frmOptions> ui_;
};

} // namespace orvane
