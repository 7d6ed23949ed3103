#include "app/cli/HeadlessCommand.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    // The overlay is drawn with fonts, which need a GUI platform; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return orvane::runHeadlessCommand(QGuiApplication::arguments(), out, err);
}
