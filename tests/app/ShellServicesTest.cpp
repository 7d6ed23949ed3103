#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "app/shell/FloatingTextLayout.h"
#include "app/shell/Help.h"
#include "app/shell/Instructions.h"
#include "app/shell/SharedFiles.h"
#include "app/shell/SoundCues.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QObject>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

TEST(FloatingTextLayout, ConvertsTheTwipMarginsToPixels) {
    // 600 x 400 px = 9000 x 6000 twips; Frame2's top at 100 px = 1500 twips.
    const FloatingTextSizes s = floatingTextLayout(QSize(600, 400), 100);
    EXPECT_EQ(s.frame1Width, 588); // (9000 - 175) / 15 = 588.3
    EXPECT_EQ(s.text1Width, 572);  // (8825 - 245) / 15 = 572
    EXPECT_EQ(s.frame2Width, 588);
    EXPECT_EQ(s.frame2Height, 268); // (6000 - 1500 - 475) / 15 = 268.3
    EXPECT_EQ(s.text2Width, 572);
    EXPECT_EQ(s.text2Height, 240); // (4025 - 425) / 15 = 240
}

TEST(FloatingTextLayout, NegativeSizesAreNotApplied) {
    const FloatingTextSizes s = floatingTextLayout(QSize(30, 120), 100);
    EXPECT_EQ(s.frame1Width, 18);
    EXPECT_EQ(s.text1Width, 2);
    EXPECT_FALSE(s.frame2Height.has_value());
    EXPECT_FALSE(s.text2Height.has_value());

    const FloatingTextSizes minimised = floatingTextLayout(QSize(0, 0), 100);
    EXPECT_FALSE(minimised.frame1Width || minimised.text1Width || minimised.frame2Width ||
                 minimised.frame2Height || minimised.text2Width || minimised.text2Height);
}

TEST(Instructions, StartupTextHasItsLinesAndTabs) {
    const InstructionText text = startupInstructions();
    EXPECT_EQ(text.headingAt, QPoint(20, 0));
    EXPECT_EQ(text.heading,
              "  Zone Evaluation OFF.  Please perform the following steps to begin a test:");
    const QStringList lines = text.body.split('\n');
    ASSERT_EQ(lines.size(), 11);
    EXPECT_TRUE(lines[0].isEmpty()); // the body starts with a line break
    EXPECT_EQ(lines[1], "#1  Fully illuminate mirror under test by backing out knife edge.");
    EXPECT_EQ(lines[2], "\tUse keyboard keys K and J or handpad Left - Right buttons for knife "
                        "control.");
    EXPECT_EQ(lines[9], "\tNull for Zone #1 is indicated by equal bar graph levels between 20% "
                        "and 50% of max intensity.");
    EXPECT_EQ(lines[10], "#6 Click the 'Do The Magic' button to begin Test!");
    EXPECT_FALSE(text.body.endsWith('\n'));
}

int darkPixels(const QImage& image, QRect area) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

TEST(Instructions, PrintsTheHeadingFromX20AndTheBodyBelowIt) {
    QImage image(900, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    printInstructions(image, startupInstructions());
    EXPECT_EQ(darkPixels(image, QRect(0, 0, 20, 30)), 0);     // left of the heading
    EXPECT_GT(darkPixels(image, QRect(20, 0, 880, 30)), 100); // the heading
    EXPECT_GT(darkPixels(image, QRect(0, 60, 40, 30)), 10);   // "#1" at the left edge
    EXPECT_GT(darkPixels(image, QRect(0, 200, 900, 200)), 100);

    QImage empty;
    printInstructions(empty, startupInstructions()); // a box not yet laid out draws nothing
    EXPECT_TRUE(empty.isNull());
}

TEST(SoundCues, PathsFollowTheFilesLetterCase) {
    testkit::TempFolder folder;
    EXPECT_EQ(soundFilePath(folder.path(), "Z3.wav"), joinPath(folder.path(), {"sound", "Z3.wav"}));
    ASSERT_TRUE(ensureFolder(joinPath(folder.path(), {"Sound"})));
    ASSERT_TRUE(writeTextFile(joinPath(folder.path(), {"Sound", "z12.WAV"}), "RIFF"));
    EXPECT_EQ(soundFilePath(folder.path(), "Z12.wav"),
              joinPath(folder.path(), {"Sound", "z12.WAV"}));
    EXPECT_FALSE(QFile::exists(soundFilePath(folder.path(), SoundCue::TestFinished)));
}

class SharedFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(ensureFolder(joinPath(share.path(), {"sound"})));
        for (const char* name : {"acsfiles.wav", "Z1.wav"})
            ASSERT_TRUE(writeTextFile(joinPath(share.path(), {"sound", name}), "RIFF new"));
        ASSERT_TRUE(writeTextFile(joinPath(share.path(), {"ORVANE.html"}), "<html>new"));
    }
    testkit::TempFolder share;
    testkit::TempFolder program;
};

TEST_F(SharedFilesTest, FreshProgramFolderGetsSoundsAndManual) {
    EXPECT_EQ(installMissingSharedFiles(program.path(), {share.path()}), 3);
    EXPECT_TRUE(QFile::exists(joinPath(program.path(), {"sound", "acsfiles.wav"})));
    EXPECT_TRUE(QFile::exists(joinPath(program.path(), {"sound", "Z1.wav"})));
    EXPECT_TRUE(QFile::exists(helpFilePath(program.path())));
    EXPECT_EQ(installMissingSharedFiles(program.path(), {share.path()}), 0);
}

TEST_F(SharedFilesTest, FilesAlreadyThereAreKeptWhateverTheirCase) {
    ASSERT_TRUE(ensureFolder(joinPath(program.path(), {"Sound"})));
    const QString own = joinPath(program.path(), {"Sound", "ACSFILES.WAV"});
    ASSERT_TRUE(writeTextFile(own, "RIFF own"));
    EXPECT_EQ(installMissingSharedFiles(program.path(), {share.path()}), 2);
    EXPECT_EQ(readTextLines(own)->first(), "RIFF own");
    EXPECT_TRUE(QFile::exists(joinPath(program.path(), {"Sound", "Z1.wav"})));
    // No second, lower-case sound folder beside the existing one.
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Sound"});
}

TEST_F(SharedFilesTest, MissingShareFoldersCopyNothing) {
    EXPECT_EQ(installMissingSharedFiles(program.path(), {"/no/such/share"}), 0);
    EXPECT_FALSE(QFile::exists(helpFilePath(program.path())));
    EXPECT_EQ(installMissingSharedFiles(program.path(), {"/no/such/share", share.path()}), 3);
}

TEST(SharedFilesCandidates, IncludeTheShareFolderBesideTheExecutable) {
    const QStringList folders = shareFolderCandidates("/opt/orvane");
    EXPECT_EQ(folders.last(), joinPath("/opt/orvane", {"share"}));
    EXPECT_GE(folders.size(), 2);
}

TEST(Help, FileNameHasOneSeparatorEvenAtTheRoot) {
    EXPECT_EQ(helpFilePath("/"), "/ORVANE.html");
    EXPECT_EQ(helpFilePath(" /opt/orvane "), "/opt/orvane/ORVANE.html");
    EXPECT_EQ(helpUrl("/opt/orvane/ORVANE.html", 230).toString(),
              "file:///opt/orvane/ORVANE.html#context230");
    EXPECT_FALSE(helpUrl("/opt/orvane/ORVANE.html", 0).hasFragment());
}

TEST(Help, OpensTheManualAtTheContextOnlyWhileRegistered) {
    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    QList<QUrl> opened;
    HelpSystem help(messages, [&](const QUrl& url) {
        opened << url;
        return true;
    });
    QObject owner;
    EXPECT_FALSE(help.show(210)); // not yet registered
    ASSERT_TRUE(writeTextFile(helpFilePath(folder.path()), "<html>"));
    help.init(&owner, folder.path());
    EXPECT_EQ(help.owner(), &owner);
    EXPECT_TRUE(help.show(250));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].fragment(), "context250");
    help.quit();
    EXPECT_FALSE(help.show(250));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(Help, MissingManualOrBrowserGivesAMessage) {
    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    bool browserWorks = true;
    HelpSystem help(messages, [&](const QUrl&) { return browserWorks; });
    QObject owner;
    help.init(&owner, folder.path());
    EXPECT_FALSE(help.show(210));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains("ORVANE.html"));

    ASSERT_TRUE(writeTextFile(helpFilePath(folder.path()), "<html>"));
    help.init(&owner, folder.path());
    browserWorks = false;
    EXPECT_FALSE(help.show(210));
    EXPECT_EQ(messages.shown.size(), 2);
}

} // namespace
