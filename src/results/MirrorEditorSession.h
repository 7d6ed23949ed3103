#pragma once

#include "core/AppState.h"
#include "core/MessageBoxes.h"
#include "core/Settings.h"
#include "results/MirrorEntry.h"

#include <functional>

namespace orvane {

struct MirrorEditorContext {
    QString programFolder;
    Settings& settings;
    MirrorData& mirror;
    MessageBoxes& boxes;
    std::function<void()> zoneCalc;       // Zone_Calc
    std::function<void()> markZonesReady; // the zone table is valid
};

// The mirror editor's behaviour behind its buttons; the window only moves texts in and out.
class MirrorEditorSession {
  public:
    explicit MirrorEditorSession(MirrorEditorContext context);

    // Fills the texts from the chosen record; later saves skip the overwrite question.
    void openExisting(const QString& recordPath, MirrorEntryTexts& texts);

    // "Apply" and "OK": validates, shows every failure, and on success makes the entry the
    // current mirror, writes its record, rebuilds the zone table and lists it first.
    bool save(const MirrorEntryTexts& texts);

    // "Exit or Cancel": a record opened from a file is saved on the way out.
    void cancel(const MirrorEntryTexts& texts);

    bool openedFromFile() const { return openedFromFile_; }
    QString mirrorsFolder() const;

  private:
    MirrorEditorContext context_;
    bool openedFromFile_ = false;
    bool closing_ = false;
};

} // namespace orvane
