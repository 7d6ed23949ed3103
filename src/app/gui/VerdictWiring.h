#pragma once

#include "reduction/ReadingsInput.h"
#include "reduction/widgets/ResultsWindow.h"
#include "results/widgets/QtFileChooser.h"

#include <QObject>
#include <QPointer>

namespace orvane {

class MainWindow;
class MessageBoxes;
struct MainState;
struct Settings;

struct VerdictWiringContext {
    const Settings& settings;
    const MainState& state;
    MessageBoxes& messages;
    MainWindow& window;
};

// The verdict on the mirror in its own window: for the test just completed, and for any saved
// test record or readings file ("&Results of a Test Record..." in the Windows menu).
class VerdictWiring : public QObject {
    Q_OBJECT

  public:
    explicit VerdictWiring(VerdictWiringContext context);

    void showLastTest();
    void openRecord();
    ResultsWindow* window() const { return window_; }

  private:
    void show(const ReadingsInput& input);

    VerdictWiringContext c_;
    QtFileChooser chooser_;
    QPointer<ResultsWindow> window_;
};

} // namespace orvane
