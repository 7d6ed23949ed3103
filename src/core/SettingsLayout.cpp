#include "core/SettingsLayout.h"

#include "core/AppState.h"
#include "core/NumberText.h"
#include "core/ProgramFolder.h"

namespace orvane {

// One entry a line of the file, with what it accepts. A load applies them in this order, the
// file's but for line 50.
std::array<SettingsLine, SettingsLineCount> settingsLayout(Settings& s) {
    PlatformMenus& m = s.menus;
    AutoTestVariables& a = s.autoTest;
    using enum SettingsSection;
    using enum TextKind;
    constexpr int Frames = 30; // the frames a zone measurement keeps
    constexpr int Margin = 30; // the margins the auto-test dialog lists
    constexpr int Moves = MaxMoveHalfSteps;
    const DoubleLine tfStep{&s.StepSize, SmallestHalfStep, LargestHalfStep};
    const DoubleLine lrStep{&s.LRStepSize, SmallestHalfStep, LargestHalfStep};
    return {{
        {0, "mnuinvert", A, BoolLine{&m.invert}},
        {1, "mnuLRswap caption", A, TextLine{&m.lrSwapCaption}},
        {2, "mnuLRswap", A, BoolLine{&m.lrSwap}},
        {3, "mnuTFswap caption", A, TextLine{&m.tfSwapCaption}},
        {4, "mnuTFswap", A, BoolLine{&m.tfSwap}},
        {5, "mnuSwapMotors", A, BoolLine{&m.swapMotors}},
        {6, "StepSize", A, tfStep},
        {50, "LRStepSize", A, lrStep}, // the last line, read with StepSize
        {7, "Metric", A, BoolLine{&s.Metric}},
        {8, "KnifeRight", A, BoolLine{&s.KnifeRight}},
        {9, "MnuFixed", A, BoolLine{&m.fixedSource}},
        {10, "FigurePath", A, TextLine{&s.FigurePath, Folder}},
        {11, "Sixtestspath", A, TextLine{&s.Sixtestspath, Folder}},
        {12, "textpath", A, TextLine{&s.textpath, Folder}},
        {13, "Savefigure", A, BoolLine{&s.Savefigure}},
        {14, "SaveSixtests", A, BoolLine{&s.SaveSixtests}},
        {15, "Savetext", A, BoolLine{&s.Savetext}},
        {16, "LaunchFigure", A, BoolLine{&s.LaunchFigure}},
        {17, "LaunchSixtests", A, BoolLine{&s.LaunchSixtests}},
        {18, "Maxdelay", A, IntLine{&s.Maxdelay, 1, 5000}}, // the sliders' ranges
        {19, "Mindelay", A, IntLine{&s.Mindelay, 1, 1000}},
        {20, "sldAcell", A, IntLine{&s.sldAcell, 1, 10}},
        {21, "Mnu(1)", A, TextLine{&s.mirrorList[0], MirrorName}}, // the most recent mirror
        {22, "Mnu(2)", A, TextLine{&s.mirrorList[1], MirrorName}},
        {23, "Mnu(3)", A, TextLine{&s.mirrorList[2], MirrorName}},
        {24, "Mnu(4)", A, TextLine{&s.mirrorList[3], MirrorName}},
        {25, "Mnu(5)", A, TextLine{&s.mirrorList[4], MirrorName}},
        {26, "Mnu(6)", A, TextLine{&s.mirrorList[5], MirrorName}},
        {27, "Mnu(7)", A, TextLine{&s.mirrorList[6], MirrorName}},
        {28, "Mnu(8)", A, TextLine{&s.mirrorList[7], MirrorName}},
        {29, "Mnu(9)", A, TextLine{&s.mirrorList[8], MirrorName}},
        {30, "Mnu(10)", A, TextLine{&s.mirrorList[9], MirrorName}},
        {31, "Max", A, IntLine{&a.Max, 5, 255}},
        {32, "Min", A, IntLine{&a.Min, 5, 255}},
        {33, "Save_picture", B, IntLine{&s.SavePicture, 0, 1}},
        {34, "Reps", B, IntLine{&s.Reps, 0, MaxSets - 1}},
        {35, "VidSource", B, IntLine{&s.VidSource, 0, 9}}, // the ten capture driver slots
        {36, "DebugDisplay", B, BoolLine{&s.DebugDisplay, true}},
        {37, "MoreText", B, BoolLine{&s.MoreText}},
        {38, "Launch3d", B, BoolLine{&s.Launch3d}},
        {39, "LRMinFrames", C, IntLine{&a.LRMinFrames, 1, 26}},
        {40, "LRDelta", C, IntLine{&a.LRDelta, 0, Margin}},
        {41, "LRSmMove", C, IntLine{&a.LRSmMove, 0, Moves}},
        {42, "LRLgMove", C, IntLine{&a.LRLgMove, 0, Moves}},
        {43, "TFRoughFrames", C, IntLine{&a.TFRoughFrames, 1, 28}},
        {44, "TFOblatedelta", C, IntLine{&a.TFOblatedelta, 0, Margin}},
        {45, "TFOblateMove", C, IntLine{&a.TFOblateMove, 0, Moves}},
        {46, "TFRoughDelta", C, IntLine{&a.TFRoughDelta, 0, Margin}},
        {47, "TFRoughMove", C, IntLine{&a.TFRoughMove, 0, Moves}},
        {48, "TFFinalFrames", C, IntLine{&a.TFFinalFrames, 0, Frames}},
        {49, "TFFinalMoves", C, IntLine{&a.TFFinalMoves, 0, Moves}},
    }};
}

bool BoolLine::read(const QString& text) const {
    const std::optional<bool> read =
        text.isEmpty() && emptyReadsTrue ? std::optional<bool>(true) : parseBool(text);
    if (read)
        *value = *read;
    return read.has_value();
}

QString BoolLine::text() const {
    return boolText(*value);
}

QString BoolLine::wanted() const {
    return QStringLiteral("True or False");
}

bool IntLine::read(const QString& text) const {
    const std::optional<double> read = parseNumber(text);
    if (!read)
        return false;
    const qint64 rounded = roundToInt(*read);
    if (rounded < min || rounded > max)
        return false;
    *value = static_cast<int>(rounded);
    return true;
}

QString IntLine::text() const {
    return numberText(*value);
}

QString IntLine::wanted() const {
    return QStringLiteral("a whole number from %1 to %2").arg(min).arg(max);
}

bool DoubleLine::read(const QString& text) const {
    const std::optional<double> read = parseNumber(text);
    if (!read || *read < min || *read > max)
        return false;
    *value = *read;
    return true;
}

QString DoubleLine::text() const {
    return numberText(*value);
}

QString DoubleLine::wanted() const {
    return QStringLiteral("a number from %1 to %2").arg(numberText(min), numberText(max));
}

bool TextLine::read(const QString& text) const {
    const bool fits = kind == TextKind::Caption ||
                      (kind == TextKind::Folder && folderExistsOrCanBeMade(text)) ||
                      (kind == TextKind::MirrorName && isMirrorName(text));
    if (fits)
        *value = text;
    return fits;
}

QString TextLine::text() const {
    return *value;
}

QString TextLine::wanted() const {
    switch (kind) {
    case TextKind::Folder:
        return QStringLiteral("a folder that exists or can be made");
    case TextKind::MirrorName:
        return QStringLiteral("a mirror's name without any of ") + MirrorNameIllegal;
    case TextKind::Caption:
        break;
    }
    return QStringLiteral("a line of text");
}

bool readLine(const LineValue& value, const QString& text) {
    return std::visit([&](const auto& kind) { return kind.read(text); }, value);
}

QString lineText(const LineValue& value) {
    return std::visit([](const auto& kind) { return kind.text(); }, value);
}

QString lineWanted(const LineValue& value) {
    return std::visit([](const auto& kind) { return kind.wanted(); }, value);
}

} // namespace orvane
