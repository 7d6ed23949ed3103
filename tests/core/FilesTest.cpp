#include "core/MessageBoxes.h"
#include "core/ProgramFolder.h"
#include "core/ProgramOptions.h"
#include "core/SafeSave.h"
#include "core/SettingsFile.h"
#include "core/TextFile.h"
#include "support/StoppingFileSystem.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

TEST(ProgramFolder, CommandLineFirstThenAWritableExecutableFolderAndTextFilesInCrLfLines) {
    testkit::TempFolder dir;
    EXPECT_EQ(resolveProgramFolder({"orvane", "--program-folder", dir.path()}, "/bin"), dir.path());
    EXPECT_EQ(resolveProgramFolder({"orvane"}, dir.path()), dir.path());
    EXPECT_EQ(resolveProgramFolder({"orvane", "--program-folder"}, dir.path()), dir.path());
    EXPECT_FALSE(resolveProgramFolder({"orvane"}, "/nonexistent/bin").startsWith("/nonexistent"));
    EXPECT_EQ(joinPath("/a/", {"b", "c.ini"}), QDir::toNativeSeparators("/a/b/c.ini"));
    ASSERT_TRUE(writeTextFile(dir.file("a.txt"), crlfJoin({"one", ""})));
    ASSERT_TRUE(appendTextFile(dir.file("a.txt"), "two\nthree"));
    EXPECT_EQ(*readTextLines(dir.file("a.txt")), (QStringList{"one", "", "two", "three"}));
    // The program's own options: off until saved on, off again for a value that is not one.
    EXPECT_FALSE(loadProgramOptions(dir.path()).recordTests);
    ASSERT_TRUE(saveProgramOptions(dir.path(), {.recordTests = true}));
    EXPECT_TRUE(loadProgramOptions(dir.path()).recordTests);
    ASSERT_TRUE(writeTextFile(programOptionsPath(dir.path()), "[test]\nrecord_video=yes\n"));
    EXPECT_FALSE(loadProgramOptions(dir.path()).recordTests);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

TEST(SafeSave, AFailureFullDiskOrKillAtAnyStepLeavesTheOldFileOrTheWholeNewOne) {
    using Stop = testkit::StoppingFileSystem::Stop;
    testkit::TempFolder dir;
    const QString path = dir.file("record.ini");
    const QByteArray old = "old\r\n", fresh = "new, and longer than the old\r\n";
    testkit::StoppingFileSystem counted(Stop::Kill, testkit::StoppingFileSystem::atCall(0));
    ASSERT_TRUE(saveFileSafely(path, old));
    const QStringList steps = counted.calls;
    EXPECT_EQ(steps.size(), 8); // open, write, fsync, close, rename; the folder: open, fsync, close
    for (const Stop stop : {Stop::Refuse, Stop::DiskFull, Stop::Kill}) {
        for (int k = 1; k <= steps.size(); ++k) {
            SCOPED_TRACE(QString("stop %1 at %2").arg(int(stop)).arg(steps[k - 1]).toStdString());
            ASSERT_TRUE(saveFileSafely(path, old));
            QString problem;
            testkit::StoppingFileSystem fs(stop, testkit::StoppingFileSystem::atCall(k));
            const bool saved = saveFileSafely(path, fresh, &problem);
            const bool renamed = k > steps.indexOf(QRegularExpression("rename .*")) + 1;
            EXPECT_EQ(bytesOf(path), renamed ? fresh : old);
            // A full disk still lets the folder be closed: the last step then succeeds.
            EXPECT_EQ(saved, stop == Stop::DiskFull && k == steps.size());
            if (!saved) {
                EXPECT_TRUE(problem.startsWith(
                                path + (renamed ? " was saved, but " : " was not saved: ")) &&
                            problem.contains(stop == Stop::DiskFull ? "No space left on device"
                                                                    : "Input/output error"))
                    << problem.toStdString();
            }
            if (stop != Stop::Kill) { // no temporary file is left behind
                EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                          QStringList{"record.ini"});
            }
        }
    }
}

TEST(SafeSave, CopiesKeepPermissionsAndLinksStayLinks) {
    testkit::TempFolder dir;
    const QString program = dir.file("figure45.exe"), copy = dir.file("copy.exe");
    ASSERT_TRUE(saveFileSafely(program, "MZ"));
    ASSERT_TRUE(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    ASSERT_TRUE(copyFileSafely(program, copy));
    EXPECT_TRUE(QFileInfo(copy).isExecutable() && bytesOf(copy) == "MZ");
    QString problem;
    EXPECT_FALSE(copyFileSafely(dir.file("missing.exe"), copy, &problem));
    EXPECT_TRUE(problem.startsWith(dir.file("missing.exe") + " could not be read"));
    EXPECT_EQ(bytesOf(copy), "MZ");
    ASSERT_TRUE(QFile::link(copy, dir.file("link.exe")));
    ASSERT_TRUE(appendFileSafely(dir.file("link.exe"), "+"));
    EXPECT_TRUE(QFileInfo(dir.file("link.exe")).isSymLink() && bytesOf(copy) == "MZ+");
}

// Unusual values in the order Settings declares them; neighbouring check marks differ, so two
// lines exchanged show.
Settings unusualSettings() {
    const PlatformMenus menus(true, "&Reverse L/R Motor (now reversed)", false,
                              "Reverse &To/From - swapped", true, false, true);
    const std::array<QString, MirrorListSize> mirrors{"Newt8", "Dob 10", "mnu", "",   "m4",
                                                      "m5",    "m6",     "m7",  "m8", "m9"};
    const AutoTestVariables autoTest{200, 35, 6, 12, 3, 7, 18, 17, 2, 22, 5, 29, 4};
    return Settings(menus, 1.25E-05, 0.000315, true, false, "/opt/figure", "/opt/six tests",
                    "/data/results", false, true, false, true, false, 4321, 77, 9, mirrors, 1, 3, 2,
                    false, true, false, autoTest);
}

const QByteArray UnusualFile =
    "True\r\n&Reverse L/R Motor (now reversed)\r\nFalse\r\nReverse &To/From - swapped\r\nTrue\r\n"
    "False\r\n1.25E-05\r\nTrue\r\nFalse\r\nTrue\r\n/opt/figure\r\n/opt/six tests\r\n"
    "/data/results\r\nFalse\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n4321\r\n77\r\n9\r\n"
    "Newt8\r\nDob 10\r\nmnu\r\n\r\nm4\r\nm5\r\nm6\r\nm7\r\nm8\r\nm9\r\n200\r\n35\r\n1\r\n3\r\n2\r\n"
    "False\r\nTrue\r\nFalse\r\n6\r\n12\r\n3\r\n7\r\n18\r\n17\r\n2\r\n22\r\n5\r\n29\r\n4\r\n"
    "0.000315\r\n";

// A program folder; what reading its settings file says and opens is told in order.
class SettingsFileTest : public ::testing::Test, public MessageBoxes {
  protected:
    MessageAnswer show(const Message& m) override {
        told << QString::number(int(m.icon)) + " " + m.title + " " + m.text;
        return MessageAnswer::Ok;
    }
    QByteArray fileBytes() {
        QFile file(settingsFilePath(folder.path()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    SettingsLoadResult load(Settings& s) {
        return LoadSettings(
            s, folder.path(), *this,
            {[this] { told << "setup dialog"; }, [this] { told << "auto-test dialog"; }});
    }

    testkit::TempFolder folder;
    QStringList told;
};

TEST_F(SettingsFileTest, Writes51CrLfLinesInFileOrderAndReadsThemBackByteForByte) {
    EXPECT_TRUE(SaveSettings(unusualSettings(), folder.path(), *this));
    EXPECT_EQ(fileBytes(), UnusualFile);

    // Read back and written again, each check mark either way, from a file named in capitals.
    QByteArray flipped = UnusualFile;
    flipped.replace("True", "T").replace("False", "True").replace("T\r", "False\r");
    QFile::rename(settingsFilePath(folder.path()), folder.file("ORVANE.INI"));
    for (const QByteArray& bytes : {UnusualFile, flipped}) {
        ASSERT_TRUE(writeTextFile(folder.file("ORVANE.INI"), QString::fromUtf8(bytes)));
        Settings loaded;
        EXPECT_EQ(load(loaded).failure, SettingsFailure::None);
        EXPECT_TRUE(SaveSettings(loaded, folder.path(), *this));
        EXPECT_EQ(fileBytes(), bytes);
    }
    EXPECT_EQ(told, QStringList());
    EXPECT_FALSE(SaveSettings(unusualSettings(), folder.file("no/such"), *this));
    EXPECT_TRUE(told.size() == 1 && told[0].startsWith("1 Save Error :( ") &&
                told[0].contains("orvane.ini"));
}

// "line=text;line=text..." as pairs.
QList<std::pair<int, QString>> lineTexts(const char* edits) {
    QList<std::pair<int, QString>> out;
    for (const QString& item : QString::fromUtf8(edits).split(';', Qt::SkipEmptyParts))
        out.append({item.section('=', 0, 0).toInt(), item.section('=', 1)});
    return out;
}

// The unusual file edited, loaded, and what the settings then hold, as the file's lines. A
// missing file is a first run, loaded over built-in settings; the others over settings already
// filled in. A file with lines it could not use is kept beside as orvane.ini.bad.
struct BadFileCase {
    const char* name;
    int lineCount; // -1: no file at all
    const char* edits;
    SettingsFailure failure;
    const char* held; // "%1" is the program folder
    const char* why;  // what the messages add ("%1": the file); empty: nothing, and nothing kept
};

TEST_F(SettingsFileTest, BadOrMissingLinesKeepWhatWasReadAndOpenTheRightDialog) {
    using enum SettingsFailure;
    const BadFileCase cases[] = {
        {"no file", -1, "", SectionA,
         "6=0.000125;50=0.000125;12=%1/TestResults;15=True;31=60;32=30;36=True;18=2000", ""},
        {"52 lines", 52, "51=", SectionA,
         "0=False;6=0.002;50=0.000125;12=%1/TestResults;31=90;32=25",
         "\r\n\"%1\" has more than 51 lines; line 52 holds \"\". The file is kept as \"%1.bad\"."},
        {"bad speed", 51, "19=fast", SectionA,
         "18=4321;19=136;20=4;12=/data/results;21=mnu;31=90;33=0;36=True",
         "\r\nLine 20 (Mindelay) of \"%1\" holds \"fast\", which is not a whole number from 1 "
         "to 1000."},
        {"slider out of range", 51, "20=11", SectionA, "19=77;20=4", "(sldAcell)"},
        {"no line 50", 50, "", SectionA, "6=1.25E-05;50=0.000125;7=False",
         "Line 51 (LRStepSize) of \"%1\" holds \"\", which is not a number from 1E-06 to 0.1."},
        {"a knife step that runs away", 51, "50=1E-308", SectionA, "50=0.000125", "(LRStepSize)"},
        {"an integer past any range", 51, "18=1E+20", SectionA, "18=2000", "\"1E+20\""},
        {"a folder below a file", 51, "12=%1/orvane.ini/data", SectionA, "12=%1/TestResults",
         "a folder that exists or can be made."},
        {"a mirror outside mirrors/", 51, "22=../x", SectionA, "21=Newt8;22=mnu",
         "which is not a mirror's name without any of /\\:*?<>|."},
        {"a mirror name with a tab", 51, "23=m\t4", SectionA, "22=Dob 10;23=mnu", "(Mnu(3))"},
        {"bad auto-test value", 51, "40=ten", SectionC, "31=200;34=3;39=6;40=10;48=30;36=True",
         "\r\nLine 41 (LRDelta)"},
        {"a move Abort could not stop", 51, "42=2147483647", SectionC, "41=3;42=0", "(LRLgMove)"},
        {"bad lines 33 to 38 are skipped", 51, "33=yes;35=camera;37=maybe;38=true", None,
         "33=0;34=3;35=0;36=False;37=False;38=True",
         "3 Settings Skipped Line 34 (Save_picture) of \"%1\" holds \"yes\", which is not a whole "
         "number from 0 to 1; Save_picture keeps 0.\r\nLine 36 (VidSource)"},
        {"five sets are skipped", 51, "34=4", None, "34=0",
         "Reps keeps 0.\r\nThe file is kept as \"%1.bad\"."},
        {"empty line 36", 51, "36=", None, "36=True", ""},
        {"any case, numbers, ends of ranges", 51, "0=FALSE;2=-1;4=0;20=10;33=0;34=2.5;39= 7 ", None,
         "0=False;2=True;4=False;20=10;33=0;34=2;39=7", ""},
    };
    const QStringList toldOn[] = {
        {},
        {"1 Initialization Error :( Unable to Load Orvane.ini, Now opening Setup Dialog, Please "
         "confirm Data to continue",
         "setup dialog"},
        {"1 Initialization Error :( Unable to load Auto-Test Variuables, Now opening Auto-Test "
         "Dialog, please confirm data to continue",
         "auto-test dialog"}};
    const Settings filled{.StepSize = 0.002, .autoTest = {90, 25}};
    const QString path = settingsFilePath(folder.path());
    for (const BadFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = splitTextLines(QString::fromUtf8(UnusualFile));
        lines.resize(std::max(c.lineCount, 0));
        for (const auto& [line, text] : lineTexts(c.edits))
            lines[line] = QString(text).replace("%1", folder.path());
        for (const QString& file : {path, path + ".bad", path + ".bad.reason"})
            QFile::remove(file);
        if (c.lineCount >= 0) {
            ASSERT_TRUE(writeTextFile(path, crlfJoin(lines)));
        }
        const QByteArray written = bytesOf(path);
        Settings s = c.lineCount < 0 ? Settings{} : filled;
        told.clear();
        const SettingsLoadResult result = load(s);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.waitForIt, c.failure == SectionA);
        // The documented messages first, word for word; what was wrong follows them.
        QStringList documented;
        for (const QString& message : told)
            documented << message.section("\r\n", 0, 0);
        const QStringList& expected = toldOn[int(c.failure)];
        EXPECT_EQ(documented.mid(0, expected.size()), expected);
        const QString why = QString(c.why).replace("%1", path);
        EXPECT_TRUE(told.join("\r\n").contains(why)) << told.join('\n').toStdString();
        EXPECT_EQ(bytesOf(path + ".bad"), why.isEmpty() ? "(none)" : written);
        EXPECT_EQ(QFile::exists(path + ".bad.reason"), !why.isEmpty());
        for (const auto& [line, text] : lineTexts(c.held))
            EXPECT_EQ(settingsLines(s)[line], QString(text).replace("%1", folder.path()))
                << "line " << line;
    }
}

} // namespace
