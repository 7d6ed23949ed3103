#pragma once

#include "app/cli/HeadlessTestRun.h"
#include "app/core/Settings.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace orvane::testkit {

// A program folder laid out as the main job lays out ./run: the example mirror record, the
// example settings file and the example bench, each open to changes before a run.
class ExampleFolder {
  public:
    ExampleFolder();

    QString path() const { return folder_.path(); }
    QString benchPath() const;
    QString exampleBenchText() const;

    // Rewrites the settings file after `change` has edited the example's settings.
    void changeSettings(const std::function<void(Settings&)>& change);
    // Writes the example bench with each "key=value" line replaced; fails the test when a key
    // is not in the file.
    void changeBench(const std::vector<std::pair<QString, QString>>& values);
    // Writes another mirror record beside the example's.
    void writeMirror(const QStringList& lines);

    // A headless run of `mirror` on this folder's bench, prepared; messages are recorded.
    std::unique_ptr<HeadlessTestRun> preparedRun(HeadlessOptions options = {});

    RecordingMessageBoxes messages;

  private:
    TempFolder folder_;
};

// Settings as the example file gives them.
Settings exampleSettings(const QString& programFolder);

// The examples folder of the source tree.
QString examplesFolder();

} // namespace orvane::testkit
