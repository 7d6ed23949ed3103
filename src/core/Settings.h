#pragma once

#include <QString>
#include <algorithm>
#include <array>

namespace orvane {

// The search's tuning values; Max and Min are the zone intensity limits.
struct AutoTestVariables {
    int Max = 0;
    int Min = 0;
    int LRMinFrames = 4;
    int LRDelta = 10;
    int LRSmMove = 0;
    int LRLgMove = 0;
    int TFRoughFrames = 15;
    int TFOblatedelta = 15;
    int TFOblateMove = 0;
    int TFRoughDelta = 20;
    int TFRoughMove = 0;
    int TFFinalFrames = 30;
    int TFFinalMoves = 0;
};

// What the settings file accepts for the search's values: intensities on the 0..255 scale
// within the sliders' 5..255, frame counts within the 30 frames the measurement keeps, margins
// as the dialog lists them, and moves of at most this many half-steps.
inline constexpr int MaxMoveHalfSteps = 10000;
// Travel per half-step the settings accept, inches: from a finely microstepped rig to a coarse
// one, so no derived move runs away.
inline constexpr double SmallestHalfStep = 1e-6;
inline constexpr double LargestHalfStep = 0.1;

// The check marks and captions of the "&Platform Settings" menu that the motor driver and the
// zone table read.
struct PlatformMenus {
    bool invert = false; // mnuinvert
    QString lrSwapCaption = QStringLiteral("&Reverse L/R Motor");
    bool lrSwap = false; // mnuLRswap
    QString tfSwapCaption = QStringLiteral("Reverse &To/From Mirror Motor");
    bool tfSwap = false;      // mnuTFswap
    bool swapMotors = false;  // mnuSwapMotors
    bool fixedSource = false; // MnuFixed
};

// Lengths on screen and in the exports convert between the two units with this factor.
inline constexpr double MillimetresPerInch = 25.4;

inline constexpr int MirrorListSize = 10;
inline const QString EmptyMirrorSlot = QStringLiteral("mnu");

// Everything the settings file holds, under the names the file's lines use.
struct Settings {
    PlatformMenus menus{};
    double StepSize = 0;   // To-From travel per half-step, inches
    double LRStepSize = 0; // Left-Right travel per half-step, inches
    bool Metric = false;
    bool KnifeRight = false;
    QString FigurePath{};
    QString Sixtestspath{};
    QString textpath{};
    bool Savefigure = false;
    bool SaveSixtests = false;
    bool Savetext = false;
    bool LaunchFigure = false;
    bool LaunchSixtests = false;
    int Maxdelay = 2000; // slider values
    int Mindelay = 136;
    int sldAcell = 4;
    std::array<QString, MirrorListSize> mirrorList = {
        EmptyMirrorSlot, EmptyMirrorSlot, EmptyMirrorSlot, EmptyMirrorSlot, EmptyMirrorSlot,
        EmptyMirrorSlot, EmptyMirrorSlot, EmptyMirrorSlot, EmptyMirrorSlot, EmptyMirrorSlot};
    int SavePicture = 0; // Save_picture check box value, 0 or 1
    int Reps = 0;
    int VidSource = 0;
    bool DebugDisplay = false;
    bool MoreText = false;
    bool Launch3d = false;
    AutoTestVariables autoTest{};

    // "mm", or the inch mark.
    QString units() const { return Metric ? QStringLiteral("mm") : QStringLiteral("\""); }
};

// A mirror's name names its record file, so it holds none of these, nor control characters.
inline const QString MirrorNameIllegal = QStringLiteral("/\\:*?<>|");
inline bool isMirrorName(const QString& name) {
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return MirrorNameIllegal.contains(c) || c.category() == QChar::Other_Control;
    });
}

// An entry of the mirror list is shown unless its caption is empty or "mnu".
inline bool isMirrorSlotUsed(const QString& caption) {
    return !caption.isEmpty() && caption != EmptyMirrorSlot;
}

} // namespace orvane
