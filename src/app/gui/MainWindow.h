#pragma once

#include "app/gui/MainControls.h"
#include "app/shell/MainLayout.h"
#include "core/SimulatedBenchUse.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace Ui {
class frmMain;
}

class QLabel;

namespace orvane {

// frmMain: the controls and menus of the main window and its layout rules. Logic is connected
// from outside (MainController); the window only lays itself out.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Ui::frmMain& ui() { return *ui_; }
    // The documented controls under their code names.
    const MainControls& controls() const { return controls_; }

    // DebugDisplay and MoreText; lays the window out again.
    void setLayoutFlags(bool debugDisplay, bool moreText);
    // The resize handler: every layout entry point runs this.
    void layOut();
    // The mirror-list item i (1..10).
    QAction* mirrorListItem(int i) const;
    // The caption and the status bar say "Simulated bench (...)" while the bench is in use, and
    // are as designed otherwise.
    void showSimulatedBench(const SimulatedBenchUse& use);
    // Where a running test stands, in the status bar; an empty line hides it.
    void showTestProgress(const QString& line);
    // Runs instead of closing (the unload); the window closes when it returns true.
    void setCloseHandler(std::function<bool()> handler) { closeHandler_ = std::move(handler); }

  signals:
    // F1, with the help context of the menu in focus (0 when no menu is), or the Help menu.
    void helpRequested(int context);
    // Help / About.
    void aboutRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainLayoutInput layoutInput() const;
    void applyLayout(const MainLayout& layout);
    void printSpeedCaption(PictureBox& box, QPoint at);
    int focusedMenuContext() const;
    void addHelpMenu();

    std::unique_ptr<Ui::frmMain> ui_;
    MainControls controls_;
    MainLayoutInput designed_;
    QString designedTitle_;
    QLabel* simulatedBenchStatus_ = nullptr;
    QLabel* testProgress_ = nullptr;
    bool debugDisplay_ = true;
    bool moreText_ = false;
    std::function<bool()> closeHandler_;
};

} // namespace orvane
