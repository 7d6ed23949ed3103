#include "capture/MjpegAviWriter.h"
#include "support/StoppingFileSystem.h"
#include "support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace orvane;
using testkit::StoppingFileSystem;

// A disk that fills up, or a run killed, while the second frame is written: the video's name
// never shows a broken file, and the writer says why there is none.
TEST(MjpegAviWriter, AFullDiskOrAKilledRunLeavesNoVideoUnderItsName) {
    QImage frame(64, 48, QImage::Format_RGB32);
    frame.fill(Qt::gray);
    for (const auto stop : {StoppingFileSystem::Stop::DiskFull, StoppingFileSystem::Stop::Kill}) {
        testkit::TempFolder folder;
        const QString path = folder.file(QStringLiteral("test1.avi"));
        StoppingFileSystem disk(stop, [writes = 0](const QString& call) mutable {
            return call.startsWith("write") && ++writes == 3;
        });
        MjpegAviWriter writer(path, frame.size());
        EXPECT_TRUE(writer.addFrame(frame));
        EXPECT_FALSE(writer.addFrame(frame) || writer.finish(30));
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(writer.problem().startsWith(path + " was not saved")) << int(stop);
        // A killed run cannot clean up: only its hidden temporary file is left.
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                  stop == StoppingFileSystem::Stop::Kill ? 1 : 0);
    }
}
