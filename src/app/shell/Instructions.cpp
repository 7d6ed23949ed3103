#include "app/shell/Instructions.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QStringList>

namespace orvane {

namespace {

constexpr int HeadingPoints = 16;
constexpr int BodyPoints = 12;

QFont fontOfSize(int points) {
    QFont font;
    font.setPointSize(points);
    return font;
}

// Prints one line at `y` and returns the y of the next line.
int printLine(QPainter& painter, int x, int y, const QString& line) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box(x, y, std::max(1, painter.device()->width() - x), metrics.height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextSingleLine,
                     line);
    return y + metrics.height();
}

} // namespace

InstructionText startupInstructions() {
    const QChar tab = QLatin1Char('\t');
    const QStringList lines{
        QString(),
        QStringLiteral("#1  Fully illuminate mirror under test by backing out knife edge."),
        tab + QStringLiteral("Use keyboard keys K and J or handpad Left - Right buttons for knife "
                             "control."),
        QStringLiteral("#2 Center cross hair and encircle mirror accurately."),
        tab + QStringLiteral("Click mouse near center of mirror for Auto Center-Size."),
        QStringLiteral("#3 Turn on Tracking"),
        QStringLiteral("#4 Select a Mirror Profile for the Mirror Database menu."),
        QStringLiteral("#5 Adjust platform To-From mirror to get somewhat near the null for Zone "
                       "#1."),
        tab + QStringLiteral("Use keyboard keys I and M or handpad Up-Down to control platform "
                             "distance from mirror."),
        tab + QStringLiteral("Null for Zone #1 is indicated by equal bar graph levels between 20% "
                             "and 50% of max intensity."),
        QStringLiteral("#6 Click the 'Do The Magic' button to begin Test!"),
    };
    return {QPoint(20, 0),
            QStringLiteral(
                "  Zone Evaluation OFF.  Please perform the following steps to begin a test:"),
            lines.join(QLatin1Char('\n'))};
}

void printInstructions(QImage& image, const InstructionText& text) {
    if (image.isNull())
        return;
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(fontOfSize(HeadingPoints));
    int y = printLine(painter, text.headingAt.x(), text.headingAt.y(), text.heading);
    painter.setFont(fontOfSize(BodyPoints));
    for (const QString& line : text.body.split(QLatin1Char('\n')))
        y = printLine(painter, 0, y, line);
}

} // namespace orvane
