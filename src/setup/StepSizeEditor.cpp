#include "setup/StepSizeEditor.h"

#include "autotest/variables/DerivedMoves.h"
#include "core/NumberText.h"
#include "core/Settings.h"

namespace orvane {

namespace {} // namespace

QString stepSizeHelpText() {
    return QStringLiteral("You need to calculate the distance the platform travels as the result "
                          "of rotating the stepper motor one full Step.") +
           QStringLiteral("Also, each step size during platform travel needs to be the same.  "
                          "Non-Linear travel is currently not supported!") +
           QStringLiteral("\n\n") +
           QStringLiteral(u"For Instance, If you use a \u00BC -20 threaded rod, one revolution of "
                          u"the threaded rod = 0.050 inch of travel. ") +
           QStringLiteral("For instance, if you use a 200 step stepper motor, then the math is "
                          "0.050 / 200 = 0.00025\"") +
           QStringLiteral(" per full step");
}

StepSizeEditor::StepSizeEditor(Settings& settings, MessageBoxes& messages)
    : settings_(settings), messages_(messages) {}

StepSizeEntry StepSizeEditor::current() const {
    const double scale = settings_.Metric ? MillimetresPerInch : 1.0;
    return {numberText(2 * settings_.StepSize * scale),
            numberText(2 * settings_.LRStepSize * scale), settings_.Metric};
}

bool StepSizeEditor::accept(const StepSizeEntry& entry) {
    const std::optional<double> toFrom = parseNumber(entry.toFrom);
    const std::optional<double> leftRight = parseNumber(entry.leftRight);
    if (!toFrom || !leftRight) {
        refuse(QStringLiteral("Ooops1"),
               QStringLiteral("Step size must be a Numerical Value, not included any notation!"));
        return false;
    }
    if (*toFrom == 0 || *leftRight == 0) {
        refuse(QStringLiteral("Ooops"), QStringLiteral("Step size must be a non zero value!"));
        return false;
    }
    const double scale = entry.millimetres ? MillimetresPerInch : 1.0;
    const double halfStep = *toFrom / scale / 2;
    const double lrHalfStep = *leftRight / scale / 2;
    // Moves the user tuned by hand survive re-entering the same step size.
    if (halfStep != settings_.StepSize)
        derivePlatformMoves(settings_.autoTest, halfStep);
    if (lrHalfStep != settings_.LRStepSize)
        deriveKnifeMoves(settings_.autoTest, lrHalfStep);
    settings_.StepSize = halfStep;
    settings_.LRStepSize = lrHalfStep;
    settings_.Metric = entry.millimetres;
    return true;
}

bool StepSizeEditor::cancel() {
    if (settings_.StepSize != 0 && settings_.LRStepSize != 0)
        return true;
    refuse(QStringLiteral("HEY!"), QStringLiteral("You must enter a Step size to continue!"));
    return false;
}

void StepSizeEditor::refuse(const QString& title, const QString& text) {
    messages_.show({title, text, MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace orvane
