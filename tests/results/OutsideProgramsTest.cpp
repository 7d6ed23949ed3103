// Starting the outside programs and typing into them: the key notation, the launch plan, and
// the keystroke sender against a stand-in xdotool.
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "results/HostProcessLauncher.h"
#include "results/SendKeys.h"
#include "results/XdotoolKeystrokeSender.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
// The strokes of a notation, chords bare and typed text quoted; "refused" when it is malformed.
QString strokes(const QString& notation) {
    const auto parsed = parseSendKeys(notation);
    QStringList out;
    for (const KeyStroke& k : parsed.value_or(QList<KeyStroke>()))
        out << (k.kind == KeyStroke::Kind::Text ? "'" + k.value + "'" : k.value);
    return parsed ? out.join(' ') : QStringLiteral("refused");
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
    EXPECT_EQ(strokes(sendKeysLiteral(path) + "{enter}"), "'" + path + "' Return");
    EXPECT_EQ(strokes("%fo^+s%(ff)+{TAB}"), "alt+f 'o' ctrl+shift+s alt+f alt+f shift+Tab");
    EXPECT_EQ(strokes("a~{ENTER}{f1}{F16}{left 2}{x 3}"),
              "'a' Return Return F1 F16 Left Left 'xxx'");
    for (const QString bad :
         {"{enter", "{nokey}", "a)b", "%", "%(ab", "{}", "{left x}", "a(b", "{f0}", "{f17}"})
        EXPECT_EQ(strokes(bad), "refused") << bad.toStdString();
}

TEST(HostProcessLauncher, WindowsProgramsGoThroughWineAndWhatIsMissingIsNamed) {
    TempFolder dir;
    const QString exe = makeScript(dir, "figure45.exe", "true");
    const LaunchPlan viaWine = planLaunch(exe, false, "/usr/bin/wine");
    EXPECT_EQ(QStringList{viaWine.program} + viaWine.arguments,
              QStringList({"/usr/bin/wine", exe}));
    const LaunchPlan direct = planLaunch(exe, true, QString());
    EXPECT_EQ(QStringList{direct.program} + direct.arguments, QStringList({exe}));
    EXPECT_TRUE(planLaunch(exe, false, QString()).problem.contains("wine"));
    RecordingMessageBoxes boxes;
    EXPECT_FALSE(
        HostProcessLauncher(boxes).start(joinPath(dir.path(), {"3dmirror.exe"}), dir.path()));
    EXPECT_TRUE(boxes.shown.value(0).text.contains("3dmirror.exe was not found"));
}

TEST(XdotoolKeystrokeSender, TypesInOrderOrTellsWhyItCannot) {
    TempFolder dir;
    const QString log = joinPath(dir.path(), {"xdotool.log"});
    const QString logging = "echo \"$@\" >> '" + log + "'";
    RecordingMessageBoxes boxes;
    XdotoolKeystrokeSender sender(boxes, makeScript(dir, "xdotool", logging));
    EXPECT_TRUE(sender.send("%fo", true));
    EXPECT_TRUE(sender.send("/data {(}1{)}/Test3.set{enter}", false));
    EXPECT_EQ(
        readTextLines(log).value_or(QStringList()),
        QStringList({"key -- alt+f", "type -- o", "type -- /data (1)/Test3.set", "key -- Return"}));
    EXPECT_FALSE(XdotoolKeystrokeSender(boxes, QString()).send("%fo", true));
    XdotoolKeystrokeSender broken(
        boxes, makeScript(dir, "broken", logging + "; echo 'no display' >&2; exit 1"));
    EXPECT_FALSE(broken.send("ab{enter}", true)); // stops at the first failing call
    EXPECT_FALSE(broken.send("{nokey}", true));   // refused before anything is typed
    EXPECT_EQ(readTextLines(log).value_or(QStringList()).size(), 5);
    ASSERT_EQ(boxes.shown.size(), 3);
    EXPECT_TRUE(boxes.shown[0].text.contains("xdotool"));
    EXPECT_TRUE(boxes.shown[1].text.contains("no display"));
}
