#include "autotest/variables/PseudoCode.h"

#include "core/NumberText.h"

namespace orvane {

namespace {
const QString CrLf = QStringLiteral("\r\n");

QString num(int value) {
    return numberText(value);
}
QString num(double value) {
    return numberText(value);
}

QString knifeMove(const QString& direction, int halfSteps, double stepSize) {
    return QStringLiteral("      Cut Knife ") + direction + QStringLiteral(" Return Beam ") +
           num(stepSize * halfSteps) + QStringLiteral(" {Or ") + num(halfSteps) +
           QStringLiteral(" Half-Steps}") + CrLf;
}

QString startOverAndEnd() {
    return QStringLiteral("      Reset Current Frame Average to 1 and Start All Over!") + CrLf +
           QStringLiteral("   End If") + CrLf + CrLf;
}
} // namespace

QString knifePseudoCode(const KnifeCodeValues& v) {
    const QString into = QStringLiteral("Into");
    const QString outOf = QStringLiteral("Out of");
    QString text =
        QStringLiteral("If Frame Average > ") + num(v.minFrames) + QStringLiteral(" Then") + CrLf;
    text += QStringLiteral("   If Zone Intensity > ") + num(v.max) + QStringLiteral(" + ") +
            num(v.delta) + QStringLiteral(" {Max + Delta} Then:") + CrLf;
    text += knifeMove(into, v.largeMove, v.lrStepSize) + startOverAndEnd();
    text += QStringLiteral("   If Zone Intensity < ") + num(v.min) + QStringLiteral(" - ") +
            num(v.delta) + QStringLiteral(" {Min - Delta} Then:") + CrLf;
    text += knifeMove(outOf, v.largeMove, v.lrStepSize) + startOverAndEnd();
    text += QStringLiteral("   If Zone Intensity > ") + num(v.max) +
            QStringLiteral(" {Max} Then:") + CrLf;
    text += knifeMove(into, v.smallMove, v.lrStepSize) + startOverAndEnd();
    text += QStringLiteral("   If Zone Intensity < ") + num(v.min) +
            QStringLiteral(" {Min} Then:") + CrLf;
    text += knifeMove(outOf, v.smallMove, v.lrStepSize) + startOverAndEnd();
    text += QStringLiteral("End If ** If the code gets this far,") + CrLf +
            QStringLiteral("          ** Then its time to Rough Adust Distance from Mirror! :) ");
    return text;
}

QString platformPseudoCode(const PlatformCodeValues& v) {
    const QString startOver =
        QStringLiteral("         Reset Frame Average to 1 and Start Over!") + CrLf;
    QString text = QStringLiteral("   ***Assuming Knife On Right side of light source!***") + CrLf;
    text += QStringLiteral("If Frame Average > ") + num(v.roughFrames) + QStringLiteral(" Then ") +
            CrLf;
    text += QStringLiteral("   If Found_Oblate = False Then:") + CrLf;
    text += QStringLiteral("      If Left Zone Value > Right Zone Value + ") + num(v.forwardDelta) +
            QStringLiteral(" Then:") + CrLf;
    text += QStringLiteral("         Move Knife Towards Mirror ") +
            num(v.stepSize * v.forwardMove) + QStringLiteral(" {or ") + num(v.forwardMove) +
            QStringLiteral(" Half-Steps") + CrLf;
    text += startOver;
    text += QStringLiteral("      Else") + CrLf + QStringLiteral("          Found_Oblate = True") +
            CrLf + QStringLiteral("      End If") + CrLf + QStringLiteral("   End If") + CrLf +
            CrLf;
    text += QStringLiteral("   If Found_Oblate = True Then:") + CrLf;
    text += QStringLiteral("      If Left Zone Value > Right Zone Value + ") + num(v.awayDelta) +
            QStringLiteral(" Then:") + CrLf;
    text += QStringLiteral("         Move Knife Away From Mirror ") + num(v.stepSize * v.awayMove) +
            QStringLiteral(" {or ") + num(v.awayMove) + QStringLiteral(" Half-Steps") + CrLf;
    text += startOver;
    text += QStringLiteral("      End If") + CrLf + QStringLiteral("   End IF") + CrLf +
            QStringLiteral(" End If") + CrLf;
    text +=
        QStringLiteral("**** If we made it this far, then its time to Move onto Final Null Code!");
    return text;
}

} // namespace orvane
