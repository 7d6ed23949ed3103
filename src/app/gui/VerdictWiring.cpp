#include "app/gui/VerdictWiring.h"

#include "app/gui/MainState.h"
#include "app/gui/MainWindow.h"
#include "core/MessageBoxes.h"
#include "core/Settings.h"
#include "reduction/ReadingsFile.h"
#include "reduction/SetsReduction.h"
#include "reduction/TestReadings.h"

#include "ui_MainWindow.h"

namespace orvane {

namespace {
const QString VerdictTitle = QStringLiteral("Results");
} // namespace

VerdictWiring::VerdictWiring(VerdictWiringContext context) : c_(context), chooser_(&c_.window) {
    connect(c_.window.ui().mnuResults, &QAction::triggered, this, &VerdictWiring::openRecord);
}

void VerdictWiring::showLastTest() {
    const Settings& s = c_.settings;
    show(testReadings(c_.state.mirror, c_.state.zones, c_.state.readings, s.Reps + 1,
                      s.menus.fixedSource, s.Metric));
}

void VerdictWiring::openRecord() {
    const std::optional<QString> path = chooser_.chooseFileToOpen(
        {QStringLiteral("Results of a Test Record"),
         c_.settings.textpath,
         QStringLiteral("Test records and readings (*.json *.set);;All files (*)"),
         {}});
    if (!path)
        return;
    const ReadingsFileResult read = readReadingsFile(*path);
    if (!read.input) {
        c_.messages.show({VerdictTitle, read.error, MessageIcon::Exclamation});
        return;
    }
    show(*read.input);
}

void VerdictWiring::show(const ReadingsInput& input) {
    if (const QString refusal = refusalOf(input); !refusal.isEmpty()) {
        c_.messages.show({VerdictTitle, refusal, MessageIcon::Exclamation});
        return;
    }
    if (window_)
        window_->close();
    // A window of its own beside the main window, which keeps its designed layout.
    window_ = new ResultsWindow(reduceReadings(input), c_.messages, &c_.window);
    window_->setWindowFlag(Qt::Window);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->show();
}

} // namespace orvane
