#include "core/SettingsLayout.h"

#include "core/NumberText.h"

namespace orvane {

// One entry a line of the file. A load applies them in this order, the file's but for line 50.
std::array<SettingsLine, SettingsLineCount> settingsLayout(Settings& s) {
    PlatformMenus& m = s.menus;
    AutoTestVariables& a = s.autoTest;
    using enum SettingsSection;
    return {{
        {0, "mnuinvert", A, BoolLine{&m.invert}},
        {1, "mnuLRswap caption", A, TextLine{&m.lrSwapCaption}},
        {2, "mnuLRswap", A, BoolLine{&m.lrSwap}},
        {3, "mnuTFswap caption", A, TextLine{&m.tfSwapCaption}},
        {4, "mnuTFswap", A, BoolLine{&m.tfSwap}},
        {5, "mnuSwapMotors", A, BoolLine{&m.swapMotors}},
        {6, "StepSize", A, DoubleLine{&s.StepSize}},
        {50, "LRStepSize", A, DoubleLine{&s.LRStepSize}}, // the last line, read with StepSize
        {7, "Metric", A, BoolLine{&s.Metric}},
        {8, "KnifeRight", A, BoolLine{&s.KnifeRight}},
        {9, "MnuFixed", A, BoolLine{&m.fixedSource}},
        {10, "FigurePath", A, TextLine{&s.FigurePath}},
        {11, "Sixtestspath", A, TextLine{&s.Sixtestspath}},
        {12, "textpath", A, TextLine{&s.textpath}},
        {13, "Savefigure", A, BoolLine{&s.Savefigure}},
        {14, "SaveSixtests", A, BoolLine{&s.SaveSixtests}},
        {15, "Savetext", A, BoolLine{&s.Savetext}},
        {16, "LaunchFigure", A, BoolLine{&s.LaunchFigure}},
        {17, "LaunchSixtests", A, BoolLine{&s.LaunchSixtests}},
        {18, "Maxdelay", A, IntLine{&s.Maxdelay, 1, 5000}},
        {19, "Mindelay", A, IntLine{&s.Mindelay, 1, 1000}},
        {20, "sldAcell", A, IntLine{&s.sldAcell, 1, 10}},
        {21, "Mnu(1)", A, TextLine{&s.mirrorList[0]}}, // the most recent mirror
        {22, "Mnu(2)", A, TextLine{&s.mirrorList[1]}},
        {23, "Mnu(3)", A, TextLine{&s.mirrorList[2]}},
        {24, "Mnu(4)", A, TextLine{&s.mirrorList[3]}},
        {25, "Mnu(5)", A, TextLine{&s.mirrorList[4]}},
        {26, "Mnu(6)", A, TextLine{&s.mirrorList[5]}},
        {27, "Mnu(7)", A, TextLine{&s.mirrorList[6]}},
        {28, "Mnu(8)", A, TextLine{&s.mirrorList[7]}},
        {29, "Mnu(9)", A, TextLine{&s.mirrorList[8]}},
        {30, "Mnu(10)", A, TextLine{&s.mirrorList[9]}},
        {31, "Max", A, IntLine{&a.Max}},
        {32, "Min", A, IntLine{&a.Min}},
        {33, "Save_picture", B, IntLine{&s.SavePicture, 0, 1}},
        {34, "Reps", B, IntLine{&s.Reps}},
        {35, "VidSource", B, IntLine{&s.VidSource}},
        {36, "DebugDisplay", B, BoolLine{&s.DebugDisplay, true}},
        {37, "MoreText", B, BoolLine{&s.MoreText}},
        {38, "Launch3d", B, BoolLine{&s.Launch3d}},
        {39, "LRMinFrames", C, IntLine{&a.LRMinFrames}},
        {40, "LRDelta", C, IntLine{&a.LRDelta}},
        {41, "LRSmMove", C, IntLine{&a.LRSmMove}},
        {42, "LRLgMove", C, IntLine{&a.LRLgMove}},
        {43, "TFRoughFrames", C, IntLine{&a.TFRoughFrames}},
        {44, "TFOblatedelta", C, IntLine{&a.TFOblatedelta}},
        {45, "TFOblateMove", C, IntLine{&a.TFOblateMove}},
        {46, "TFRoughDelta", C, IntLine{&a.TFRoughDelta}},
        {47, "TFRoughMove", C, IntLine{&a.TFRoughMove}},
        {48, "TFFinalFrames", C, IntLine{&a.TFFinalFrames}},
        {49, "TFFinalMoves", C, IntLine{&a.TFFinalMoves}},
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

bool IntLine::read(const QString& text) const {
    const std::optional<double> read = parseNumber(text);
    if (!read)
        return false;
    const double rounded = static_cast<double>(roundToInt(*read));
    if (rounded < min || rounded > max)
        return false;
    *value = static_cast<int>(rounded);
    return true;
}

QString IntLine::text() const {
    return numberText(*value);
}

bool DoubleLine::read(const QString& text) const {
    const std::optional<double> read = parseNumber(text);
    if (read)
        *value = *read;
    return read.has_value();
}

QString DoubleLine::text() const {
    return numberText(*value);
}

bool TextLine::read(const QString& text) const {
    *value = text;
    return true;
}

QString TextLine::text() const {
    return *value;
}

bool readLine(const LineValue& value, const QString& text) {
    return std::visit([&](const auto& kind) { return kind.read(text); }, value);
}

QString lineText(const LineValue& value) {
    return std::visit([](const auto& kind) { return kind.text(); }, value);
}

} // namespace orvane
