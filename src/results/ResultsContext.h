#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/EventPump.h"
#include "core/MessageBoxes.h"
#include "core/Settings.h"
#include "core/SimulatedBenchUse.h"
#include "results/KeystrokeSender.h"
#include "results/ProcessLauncher.h"
#include "results/ProgramTitle.h"

#include <QDateTime>

namespace orvane {

// Everything Save Data and its writers read, and the services they talk through. Only the
// mirror's test number is changed (by Save Data).
struct ResultsContext {
    QString programFolder;
    const Settings& settings;
    MirrorData& mirror;
    const ZoneTable& zones;
    const ZoneReadings& readings;
    double TestStdDeviation = 0;
    MessageBoxes& boxes;
    ProcessLauncher& launcher;
    KeystrokeSender& keys;
    Clock& clock;
    EventPump& pump;
    // The text report says when its readings came from the simulated bench.
    SimulatedBenchUse simulatedBench = {};
    // The real rig's motor port and camera, for the test record.
    QString motorPort = {};
    QString camera = {};
    // When the test record says it was saved.
    QDateTime savedAt = QDateTime::currentDateTime();
    // The precision search's standard error of each reading, for the test record; none after
    // the usual search.
    const ZoneReadings* readingErrors = nullptr;
};

} // namespace orvane
