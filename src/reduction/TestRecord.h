#pragma once

#include "reduction/ReadingsInput.h"

#include <QDateTime>
#include <QJsonObject>

namespace orvane {

// What a saved test ran on and when, beside its readings.
struct TestRecordRun {
    int testNumber = 0;
    QDateTime time;
    QString programVersion;
    bool simulatedBench = false;
    QString benchFile; // the simulated bench's file; empty for the built-in bench
    QString port;      // the real rig's motor port and camera
    QString camera;
    // The precision search's standard errors, set by set like the readings; empty otherwise.
    std::vector<std::vector<double>> standardErrors = {};
};

// The test record saved beside testN.txt: the JSON readings form, which `orvane-cli reduce`
// reads back, with a "test" object telling the run (and the readings' standard errors after a
// precision search).
QJsonObject testRecordJson(const ReadingsInput& input, const TestRecordRun& run);

} // namespace orvane
