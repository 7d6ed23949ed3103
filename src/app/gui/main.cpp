#include "app/gui/Hardware.h"
#include "app/gui/LayoutCheck.h"
#include "app/gui/MainController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/QtEventPump.h"
#include "app/gui/QtMessageBoxes.h"
#include "app/gui/QtSoundPlayer.h"
#include "app/gui/SplashWindow.h"
#include "app/gui/WindowPlacement.h"
#include "app/shell/SharedFiles.h"
#include "core/Clock.h"
#include "core/ProgramFolder.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVANE"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));

    const QString folder =
        orvane::resolveProgramFolder(QApplication::arguments(), QApplication::applicationDirPath());
    orvane::ensureFolder(folder);
    orvane::installMissingSharedFiles(
        folder, orvane::shareFolderCandidates(QApplication::applicationDirPath()));

    orvane::WindowPlacement placement(folder);
    app.installEventFilter(&placement);
    orvane::QtMessageBoxes messages;
    orvane::QtSoundPlayer sound;
    orvane::SteadyClock clock;
    orvane::QtEventPump pump;
    orvane::MainController controller(
        {folder, messages, sound, clock, pump, {}, orvane::systemDeviceProbes()});
    messages.setParent(&controller.window());

    orvane::SplashWindow splash;
    QObject::connect(&splash, &orvane::SplashWindow::dismissed, &controller.window(),
                     &QWidget::show);
    splash.show();
    controller.start(splash);
    // The screens script's look over every window (not in the manual: a developer's tool).
    if (const QString checkFolder = qEnvironmentVariable("ORVANE_LAYOUT_CHECK");
        !checkFolder.isEmpty()) {
        controller.window().show();
        (new orvane::LayoutCheck(controller.window(), checkFolder))->start(1500);
    }
    return QApplication::exec();
}
