#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "results/HostProcessLauncher.h"
#include "results/XdotoolKeystrokeSender.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
QString makeScript(const testkit::TempFolder& dir, const QString& name, const QString& body) {
    const QString path = joinPath(dir.path(), {name});
    writeTextFile(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

bool waitForFile(const QString& path) {
    for (int i = 0; i < 200 && !QFileInfo::exists(path); ++i)
        QThread::msleep(10);
    return QFileInfo::exists(path);
}
} // namespace

TEST(LaunchPlan, WindowsProgramsGoThroughWineElsewhere) {
    testkit::TempFolder dir;
    const QString exe = makeScript(dir, "figure45.exe", "true");
    const LaunchPlan viaWine = planLaunch(exe, false, "/usr/bin/wine");
    EXPECT_EQ(viaWine.program, "/usr/bin/wine");
    EXPECT_EQ(viaWine.arguments, QStringList({exe}));
    EXPECT_TRUE(viaWine.problem.isEmpty());

    const LaunchPlan direct = planLaunch(exe, true, QString());
    EXPECT_EQ(direct.program, exe);
    EXPECT_TRUE(direct.arguments.isEmpty());

    const LaunchPlan noWine = planLaunch(exe, false, QString());
    EXPECT_TRUE(noWine.program.isEmpty());
    EXPECT_TRUE(noWine.problem.contains("figure45.exe"));
    EXPECT_TRUE(noWine.problem.contains("wine"));
}

TEST(LaunchPlan, AMissingProgramIsNamed) {
    testkit::TempFolder dir;
    const LaunchPlan plan =
        planLaunch(joinPath(dir.path(), {"3dmirror.exe"}), false, "/usr/bin/wine");
    EXPECT_TRUE(plan.program.isEmpty());
    EXPECT_TRUE(plan.problem.contains("3dmirror.exe"));
    EXPECT_TRUE(plan.problem.contains(dir.path()));
}

TEST(HostProcessLauncher, StartsANativeProgramInItsFolderWithoutWaiting) {
    testkit::TempFolder dir;
    const QString work = joinPath(dir.path(), {"work"});
    ensureFolder(work);
    const QString program = makeScript(dir, "viewer", "pwd > started.txt");
    testkit::RecordingMessageBoxes boxes;
    HostProcessLauncher launcher(boxes);
    EXPECT_TRUE(launcher.start(program, work));
    ASSERT_TRUE(waitForFile(joinPath(work, {"started.txt"})));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(HostProcessLauncher, SaysWhatIsMissing) {
    testkit::TempFolder dir;
    testkit::RecordingMessageBoxes boxes;
    HostProcessLauncher launcher(boxes);
    EXPECT_FALSE(launcher.start(joinPath(dir.path(), {"sixtests.exe"}), dir.path()));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(boxes.shown[0].text.contains("sixtests.exe was not found"));
}

TEST(XdotoolKeystrokeSender, TypesTextAndKeysInOrder) {
    testkit::TempFolder dir;
    const QString log = joinPath(dir.path(), {"xdotool.log"});
    const QString fake = makeScript(dir, "xdotool", "echo \"$@\" >> '" + log + "'");
    testkit::RecordingMessageBoxes boxes;
    XdotoolKeystrokeSender sender(boxes, fake);
    EXPECT_TRUE(sender.send("%fo", true));
    EXPECT_TRUE(sender.send("/data {(}1{)}/Test3.set{enter}", false));
    EXPECT_EQ(
        readTextLines(log).value_or(QStringList()),
        QStringList({"key -- alt+f", "type -- o", "type -- /data (1)/Test3.set", "key -- Return"}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(XdotoolKeystrokeSender, ProblemsAreToldAndNothingIsTyped) {
    testkit::TempFolder dir;
    testkit::RecordingMessageBoxes boxes;
    XdotoolKeystrokeSender missing(boxes, QString());
    EXPECT_FALSE(missing.send("%fo", true));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].text.contains("xdotool"));

    const QString log = joinPath(dir.path(), {"xdotool.log"});
    const QString failing =
        makeScript(dir, "xdotool", "echo \"$@\" >> '" + log + "'; echo 'no display' >&2; exit 1");
    XdotoolKeystrokeSender broken(boxes, failing);
    EXPECT_FALSE(broken.send("ab{enter}", true));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_TRUE(boxes.shown[1].text.contains("no display"));
    EXPECT_EQ(readTextLines(log).value_or(QStringList()).size(), 1); // stopped at the first

    EXPECT_FALSE(broken.send("{nokey}", true));
    EXPECT_EQ(boxes.shown.size(), 3);
    EXPECT_EQ(readTextLines(log).value_or(QStringList()).size(), 1);
}
