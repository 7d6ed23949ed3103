// The Results window: the table and verdict it shows, and its plots saved or refused.
#include "reduction/widgets/ResultsWindow.h"
#include "SixteenInch.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

TEST(ResultsWindow, ShowsTheTableAndVerdictAndSavesEachPlot) {
    RecordingMessageBoxes boxes;
    ResultsWindow window(reduceReadings(sixteenInch(), {RadiusConvention::Mean, 20}), boxes);
    EXPECT_EQ(window.windowTitle(), "Results - M16");
    const auto* table = window.findChild<QTableWidget*>("tableZones");
    ASSERT_EQ(table->rowCount(), 7);
    EXPECT_EQ(table->item(4, 4)->text(), "-138.48");
    EXPECT_EQ(table->item(5, 6)->text(), "pass");
    EXPECT_EQ(table->item(6, 6)->text(), "fail");
    const QString verdict = window.findChild<QLabel*>("lblVerdict")->text();
    EXPECT_TRUE(verdict.startsWith("1/1.2 wave, at the edge 6.85 in\n")) << verdict.toStdString();
    EXPECT_TRUE(verdict.contains("Millies-Lacroix: fail in zone 1, 2, 3, 4, 5, 7"));

    TempFolder folder;
    ASSERT_TRUE(window.savePlot(ResultsWindow::Plot::Readings, folder.file("readings.png")));
    EXPECT_FALSE(QImage(folder.file("readings.png")).isNull());
    ASSERT_TRUE(window.savePlot(ResultsWindow::Plot::Profile, folder.file("profile.svg")));
    QFile svg(folder.file("profile.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_FALSE(window.savePlot(ResultsWindow::Plot::Profile, folder.file("none/profile.svg")));
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains("none/profile.svg was not saved"));
}

} // namespace
