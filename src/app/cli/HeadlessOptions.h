#pragma once

#include "core/AppState.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace orvane {

// What `orvane-cli test` was asked to do.
struct HeadlessOptions {
    QString programFolder;
    QString mirror;                     // name of the mirror record in programFolder/mirrors
    QString benchFile;                  // empty: the hardware file's bench, or the built-in one
    std::optional<int> sets;            // 1..4; unset: the settings file's repetitions
    std::optional<MirrorCircle> circle; // unset: found by auto centre-size
    bool track = false;                 // Chk_trak during the test
    bool record = false;                // a video and frame log beside the report
    bool verbose = false;               // every orvane.* debug line on stderr
    bool precision = false;             // the precision search, whatever orvane-test.ini says
    int repeat = 1;                     // tests run one after the other
    std::optional<int> everyMinutes;    // between their starts; 0 or unset: each as the last ends
    // A search that finds no null in this many frames, or in this many half-steps of the
    // motors, is aborted, as an operator watching it would; the defaults are about two minutes
    // of a real camera and 30 inches of travel at the usual half-step. So is a test that has run
    // this long in frames of a real camera and motor waits: a 16-zone test of four sets takes
    // about ten minutes.
    int framesPerZoneLimit = 4000;
    qint64 halfStepsPerZoneLimit = 250'000;
    double minutesPerTestLimit = 30;
};

// The smallest mirror circle a test can measure zones on, in pixels of radius.
inline constexpr int MinCircleRadius = 20;

struct ParsedCommandLine {
    std::optional<HeadlessOptions> options;
    QString error;     // why the command line was refused
    bool help = false; // --help: the usage is all that was asked for
};

// `arguments` as the program got them, the program's name first.
ParsedCommandLine parseHeadlessCommandLine(const QStringList& arguments);

QString headlessUsage();

} // namespace orvane
