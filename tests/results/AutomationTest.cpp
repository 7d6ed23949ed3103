// Starting the outside programs and typing into them: the key notation, the launch plan, and
// the real launcher and keystroke sender against stand-in programs.
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "results/HostProcessLauncher.h"
#include "results/SendKeys.h"
#include "results/XdotoolKeystrokeSender.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
KeyStroke text(const QString& value) {
    return {KeyStroke::Kind::Text, value};
}
KeyStroke chord(const QString& value) {
    return {KeyStroke::Kind::Chord, value};
}

QString makeScript(const TempFolder& dir, const QString& name, const QString& body) {
    const QString path = joinPath(dir.path(), {name});
    writeTextFile(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}
} // namespace

TEST(SendKeys, LiteralsParseBackModifiersNamedKeysAndRepeats) {
    const QString path = "/data (v+1)/x^y%z~{w}[q]/Test3.set";
    EXPECT_EQ(sendKeysLiteral(path), "/data {(}v{+}1{)}/x{^}y{%}z{~}{{}w{}}{[}q{]}/Test3.set");
    EXPECT_EQ(parseSendKeys(sendKeysLiteral(path) + "{enter}"),
              QList<KeyStroke>({text(path), chord("Return")}));
    EXPECT_EQ(parseSendKeys("%fo^+s%(ff)+{TAB}"),
              QList<KeyStroke>({chord("alt+f"), text("o"), chord("ctrl+shift+s"), chord("alt+f"),
                                chord("alt+f"), chord("shift+Tab")}));
    EXPECT_EQ(parseSendKeys("a~{ENTER}{f1}{F16}{left 2}{x 3}"),
              QList<KeyStroke>({text("a"), chord("Return"), chord("Return"), chord("F1"),
                                chord("F16"), chord("Left"), chord("Left"), text("xxx")}));
    EXPECT_EQ(parseSendKeys(""), QList<KeyStroke>());
    for (const QString bad :
         {"{enter", "{nokey}", "a)b", "%", "%(ab", "{}", "{left x}", "a(b", "{f0}", "{f17}"})
        EXPECT_FALSE(parseSendKeys(bad)) << bad.toStdString();
}

TEST(HostProcessLauncher, WindowsProgramsGoThroughWineAndWhatIsMissingIsNamed) {
    TempFolder dir;
    const QString exe = makeScript(dir, "figure45.exe", "pwd > started.txt");
    const LaunchPlan viaWine = planLaunch(exe, false, "/usr/bin/wine");
    EXPECT_EQ(viaWine.program + " " + viaWine.arguments.join(' '), "/usr/bin/wine " + exe);
    const LaunchPlan direct = planLaunch(exe, true, QString());
    EXPECT_EQ(direct.program, exe);
    EXPECT_TRUE(direct.arguments.isEmpty() && direct.problem.isEmpty());
    const LaunchPlan noWine = planLaunch(exe, false, QString());
    EXPECT_TRUE(noWine.program.isEmpty());
    EXPECT_TRUE(noWine.problem.contains("figure45.exe") && noWine.problem.contains("wine"));

    // A native program starts in its folder without waiting; a missing one is told.
    const QString work = joinPath(dir.path(), {"work"});
    ensureFolder(work);
    RecordingMessageBoxes boxes;
    HostProcessLauncher launcher(boxes);
    EXPECT_TRUE(launcher.start(makeScript(dir, "viewer", "pwd > started.txt"), work));
    for (int i = 0; i < 200 && !QFileInfo::exists(work + "/started.txt"); ++i)
        QThread::msleep(10);
    EXPECT_TRUE(QFileInfo::exists(work + "/started.txt"));
    EXPECT_FALSE(launcher.start(joinPath(dir.path(), {"sixtests.exe"}), dir.path()));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(boxes.shown[0].text.contains("sixtests.exe was not found"));
}

TEST(XdotoolKeystrokeSender, TypesInOrderOrTellsWhyItCannot) {
    TempFolder dir;
    const QString log = joinPath(dir.path(), {"xdotool.log"});
    RecordingMessageBoxes boxes;
    XdotoolKeystrokeSender sender(boxes,
                                  makeScript(dir, "xdotool", "echo \"$@\" >> '" + log + "'"));
    EXPECT_TRUE(sender.send("%fo", true));
    EXPECT_TRUE(sender.send("/data {(}1{)}/Test3.set{enter}", false));
    EXPECT_EQ(
        readTextLines(log).value_or(QStringList()),
        QStringList({"key -- alt+f", "type -- o", "type -- /data (1)/Test3.set", "key -- Return"}));
    EXPECT_TRUE(boxes.shown.isEmpty());

    XdotoolKeystrokeSender missing(boxes, QString());
    EXPECT_FALSE(missing.send("%fo", true));
    const QString failing = makeScript(
        dir, "xdotool-broken", "echo \"$@\" >> '" + log + "'; echo 'no display' >&2; exit 1");
    XdotoolKeystrokeSender broken(boxes, failing);
    EXPECT_FALSE(broken.send("ab{enter}", true)); // stops at the first failing call
    EXPECT_FALSE(broken.send("{nokey}", true));   // refused before anything is typed
    EXPECT_EQ(readTextLines(log).value_or(QStringList()).size(), 5);
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_TRUE(boxes.shown[0].text.contains("xdotool"));
    EXPECT_TRUE(boxes.shown[1].text.contains("no display"));
}
