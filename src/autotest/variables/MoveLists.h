#pragma once

#include "core/Settings.h"

#include <QList>
#include <QString>

namespace orvane {

inline constexpr int DeltaEntryCount = 31; // "0" ... "30"
inline constexpr int MoveEntryCount = 101;

// One entry of a drop-down list: what it shows and the value it stands for.
struct ListEntry {
    QString text;
    int data = 0;
    bool operator==(const ListEntry&) const = default;
};

// Half-steps per entry of the knife lists (kLR) and of the platform lists (kTF), at least 1.
struct MoveListUnits {
    int knife = 1;
    int platform = 1;
};
MoveListUnits moveListUnits(const Settings& settings);

QList<ListEntry> deltaEntries();
// Knife moves of n * kLR half-steps, shown as lengths in the user's unit with its unit text.
QList<ListEntry> knifeMoveEntries(const Settings& settings, int knifeUnit);
// Platform moves of n * kTF / 2 half-steps, shown as inches without a unit text.
QList<ListEntry> platformMoveEntries(const Settings& settings, int platformUnit);

// The entry to select for a stored value; values the list cannot show select its nearest end.
int deltaIndex(int delta);
int knifeMoveIndex(int move, int knifeUnit);
int platformMoveIndex(int move, int platformUnit);

} // namespace orvane
