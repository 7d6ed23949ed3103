#pragma once

#include "RecordingAutomation.h"
#include "app/core/EventPump.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "results/ResultsContext.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>

namespace orvane::testkit {

// A program folder, a data folder, a mirror with readings and recording services, as Save Data
// sees them after a test.
struct ResultsBench {
    ResultsBench() {
        programFolder = root.path() + "/program";
        ensureFolder(programFolder);
        settings.textpath = root.path() + "/data";
        mirror = {QStringLiteral("Newt6"), 6, 0, 48, -1, 5, 3};
        for (int zone = 1; zone <= MaxZones; ++zone)
            zones.centerFrac[zone] = zone * 0.05;
    }

    ResultsContext context() {
        return {programFolder, settings, mirror, zones, readings, TestStdDeviation,
                boxes,         launcher, keys,   clock, pump};
    }

    QString dataFile(const QString& kind, const QString& name) const {
        return joinPath(settings.textpath, {mirror.WorkFile, kind, name});
    }
    QStringList lines(const QString& path) const {
        return readTextLines(path).value_or(QStringList());
    }
    QByteArray bytes(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TempFolder root;
    QString programFolder;
    Settings settings;
    MirrorData mirror;
    ZoneTable zones;
    ZoneReadings readings;
    double TestStdDeviation = 0.0125;
    RecordingMessageBoxes boxes;
    VirtualClock clock;
    CallbackEventPump pump;
    AutomationLog log{clock};
    RecordingProcessLauncher launcher{log};
    RecordingKeystrokeSender keys{log};
};

} // namespace orvane::testkit
