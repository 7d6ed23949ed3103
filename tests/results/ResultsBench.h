#pragma once

#include "core/EventPump.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "results/MirrorRecord.h"
#include "results/ResultsContext.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>

namespace orvane::testkit {

// A program folder, a data folder, a mirror with readings and recording services, as Save Data
// sees them after a test. Launches and keystrokes are logged in order, each stamped with the
// virtual time in milliseconds so the pauses between them show; sends fail from `failAt` on.
struct ResultsBench : ProcessLauncher, KeystrokeSender {
    ResultsBench() {
        ensureFolder(programFolder);
        settings.textpath = root.path() + "/data";
    }
    ResultsContext context() {
        return {programFolder,
                settings,
                mirror,
                zones,
                readings,
                TestStdDeviation,
                boxes,
                *this,
                *this,
                clock,
                pump,
                {},
                {},
                {},
                QDateTime(QDate(2026, 12, 6), QTime(12, 0))};
    }
    QString dataFile(const QString& kind, const QString& name) const {
        return joinPath(settings.textpath, {mirror.WorkFile, kind, name});
    }
    QByteArray bytes(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray recordBytes(const QString& name) const {
        return bytes(mirrorRecordPath(programFolder, name));
    }
    bool start(const QString& program, const QString& folder) override {
        note(QStringLiteral("start %1 in %2").arg(program, folder));
        return launches;
    }
    bool send(const QString& keys, bool wait) override {
        note(QStringLiteral("%1 %2").arg(wait ? "keys+wait" : "keys", keys));
        return ++sent != failAt;
    }
    void note(const QString& event) {
        events << QStringLiteral("%1 ms: %2").arg(clock.nowNs() / 1'000'000).arg(event);
    }

    TempFolder root;
    QString programFolder = root.path() + "/program";
    Settings settings;
    MirrorData mirror{QStringLiteral("Newt6"), 6, 0, 48, -1, 5, 3};
    ZoneTable zones;
    ZoneReadings readings;
    double TestStdDeviation = 0.0125;
    RecordingMessageBoxes boxes;
    VirtualClock clock;
    CallbackEventPump pump;
    QStringList events;
    bool launches = true;
    int sent = 0;
    int failAt = 0;
};

} // namespace orvane::testkit
