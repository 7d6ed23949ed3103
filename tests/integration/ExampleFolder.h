#pragma once

#include "app/cli/HeadlessCommand.h"
#include "app/cli/HeadlessTestRun.h"
#include "core/Settings.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <functional>
#include <vector>

namespace orvane::testkit {

// A program folder laid out as the main job lays out ./run: the example mirror record, the
// example settings file and the example bench, each open to changes before a run.
class ExampleFolder {
  public:
    ExampleFolder();
    QString path() const { return folder_.path(); }

    // Rewrites the settings file after `change` has edited the example's settings.
    void changeSettings(const std::function<void(Settings&)>& change);
    // Writes the example bench with each "key=value" line replaced; fails the test when a key
    // is not in the file.
    void changeBench(const std::vector<std::pair<QString, QString>>& values);
    // Writes another mirror record beside the example's.
    void writeMirror(const QStringList& lines);
    // A headless run of `mirror` (the example's when empty) on this folder's bench, prepared.
    std::unique_ptr<HeadlessTestRun> preparedRun(HeadlessOptions options = {});

    RecordingMessageBoxes messages;

  private:
    TempFolder folder_;
};

struct CommandResult {
    int exit = -1;
    QString out;
    QString err;
};

// orvane-cli in-process, its output caught.
CommandResult runCommand(const QStringList& arguments);

// What the bench's optics say zone `zone` should read: the knife plane of its null, as the
// run's two windows sample it, relative to zone 1's.
double opticalReading(HeadlessTestRun& run, int zone);
// The knife plane of zone `zone`'s null: the mean of the true nulls at the radii of the two
// pixel columns read (the null balances the two windows).
double opticalNull(HeadlessTestRun& run, int zone);
// The textbook reading of a perfect mirror.
double perfectReading(const HeadlessTestRun& run, int zone);

// Every zone of the first `sets` sets within `margin` inch of `expected(zone)`.
void expectReadings(const HeadlessTestRun& run, int sets,
                    const std::function<double(int zone)>& expected, double margin = 0.002);

} // namespace orvane::testkit
