#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QDebug;

namespace orvane {

enum class Axis { Knife, Platform };

// Half-steps on one axis, each followed by a busy wait. `phase` is the direction as the stepper
// driver takes it: knife +1 is Xpos + 1; platform +1 is towards the mirror (Ypos - 1).
struct AxisMove {
    Axis axis = Axis::Knife;
    int phase = 1;
    int count = 0;
    int waitFactor = 0;

    bool operator==(const AxisMove&) const = default;
};

// A null placed between platform positions by a fit: where it lies from the platform's position
// once the step's moves are made, and its standard error, both in platform half-steps.
struct FittedNull {
    double offset = 0;
    double error = 0;
};

// What the search wants done after one measured frame.
struct SearchStep {
    QList<AxisMove> moves; // in the order they are to be made
    QString message;       // goes in front of Text1; empty when there is none
    bool nullFound = false;
    bool zoneEnded = false;           // no further frame belongs to this zone
    std::optional<FittedNull> fitted; // with nullFound, from a precision search
    QStringList why;                  // the rules that decided it, for the search log
};

// The step's reasons and moves on one line; K is the knife side's zone value, O the other's.
QDebug operator<<(QDebug debug, const SearchStep& step);

} // namespace orvane
