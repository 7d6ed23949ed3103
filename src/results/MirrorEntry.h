#pragma once

#include "core/AppState.h"
#include "core/MessageBoxes.h"

#include <QList>
#include <QString>

namespace orvane {

// The texts of the mirror editor's boxes, as typed.
struct MirrorEntryTexts {
    QString name;        // NName
    QString diameter;    // Ndiam
    QString roc;         // NRoc
    QString cc;          // NCC
    QString obstruction; // Nobst
    QString zones;       // NNZ
    QString testsRun;    // NSeries
};

struct MirrorEntryState {
    QString programFolder;
    bool closing = false;        // "Exit or Cancel" was pressed
    bool openedFromFile = false; // the boxes came from "Open Existing File"
};

struct MirrorEntryCheck {
    QList<Message> failures;       // one message per failed check, in check order
    bool overwriteRefused = false; // Cancel on "File Exists! Overwrite file?"
    bool stoppedSilently = false;  // closing with no name: nothing is said and nothing saved
    bool passed() const { return failures.isEmpty() && !overwriteRefused && !stoppedSilently; }
};

// Runs every check of the editor in order. Only the overwrite question is asked here (through
// `boxes`); the failures are returned for the caller to show.
MirrorEntryCheck checkMirrorEntry(const MirrorEntryTexts& texts, const MirrorEntryState& state,
                                  MessageBoxes& boxes);

// The current-mirror values of entry texts that passed the checks.
MirrorData mirrorFromEntry(const MirrorEntryTexts& texts);

// The record as the editor writes it: lines 2..6 exactly as typed, line 7 the tests run plus 1.
QStringList entryRecordLines(const MirrorEntryTexts& texts);

// "Open Existing File": fills the texts from a record in order, line 7 minus 1 into the tests
// run, and stops quietly at the first line that is missing or unusable.
void readEntryFromRecord(const QString& path, MirrorEntryTexts& texts);

} // namespace orvane
