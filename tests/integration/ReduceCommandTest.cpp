// orvane-cli reduce: its output, and its refusals that print and write nothing.
#include "app/cli/ReduceCommand.h"
#include "app/cli/HeadlessCommand.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {

const QByteArray SixteenInch = R"({"mirror": {"name": "M16", "diameter": 16, "obstruction": 0,
    "roc": 144, "conic": -1, "units": "in"}, "source": "fixed",
    "zones": {"edges": [2.00, 3.55, 4.60, 5.45, 6.19, 6.85, 7.45, 8.00]},
    "readings": [[0.089, 0.111, 0.172, 0.199, 0.250, 0.374, 0.482]], "wavelength_nm": 548.64})";

struct Reduce {
    TempFolder folder;
    QString out, err;
    int plots = 0;

    QString write(const QString& name, const QByteArray& content) {
        QFile file(folder.file(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    int run(const QStringList& arguments) {
        QTextStream o(&out), e(&err);
        return runReduceCommand(QStringList{"orvane-cli", "reduce"} + arguments, o, e,
                                [&](const Reduction&, const QString& path, QString&) {
                                    ++plots;
                                    return QFile(path).open(QIODevice::WriteOnly);
                                });
    }
};

TEST(ReduceCommand, PrintsTheVerdictOrOneJsonObjectAndDrawsThePlots) {
    Reduce reduce;
    const QString file = reduce.write("m16.json", SixteenInch);
    const QString plot = reduce.folder.file("m16.svg");
    EXPECT_EQ(reduce.run({file, "--radius", "mean", "--plot", plot}), ExitCompleted);
    EXPECT_TRUE(reduce.out.contains("1/1.2 wave, at the edge 6.85 in\n"));
    EXPECT_TRUE(reduce.out.contains("Millies-Lacroix: fail in zone 1, 2, 3, 4, 5, 7\n"));
    EXPECT_TRUE(QFile::exists(plot));
    reduce.out.clear();
    EXPECT_EQ(reduce.run({file, "--json", "--wavelength", "600"}), ExitCompleted);
    const QJsonObject json = QJsonDocument::fromJson(reduce.out.toUtf8()).object();
    EXPECT_EQ(json["wavelength_nm"], 600);
    EXPECT_EQ(json["radius_convention"], "couder");
    EXPECT_EQ(json["zonal"]["wavefront_at_edges_nm"].toArray().size(), 8);
    EXPECT_GT(json["profile"]["surface_rms_nm"].toDouble(), 0);
    EXPECT_EQ(json["sets"].toArray().size(), 1);
    EXPECT_EQ(json["uncertainty"]["draws"], 500);
    EXPECT_TRUE(reduce.err.isEmpty());
}

TEST(ReduceCommand, WhatCannotBeReducedIsRefusedAndNothingIsWritten) {
    Reduce reduce;
    const QString good = reduce.write("good.json", SixteenInch);
    const QString twoEdges = reduce.write(
        "one.json",
        QByteArray(SixteenInch).replace("2.00, 3.55, 4.60, 5.45, 6.19, 6.85, 7.45, ", ""));
    const QString reversed = reduce.write(
        "reversed.json", QByteArray(SixteenInch)
                             .replace("0.089, 0.111, 0.172, 0.199, 0.250, 0.374, 0.482",
                                      "0.482, 0.374, 0.250, 0.199, 0.172, 0.111, 0.089"));
    const QString notJson = reduce.write("test1.json", "Zone 1 0.089");
    const QString plot = reduce.folder.file("plot.png");
    const QStringList toPlot{"--plot", plot};
    const struct {
        QStringList arguments;
        int exit;
        QString message;
    } cases[] = {
        {QStringList{reduce.folder.file("none.json")} + toPlot, ExitFailed,
         "The file could not be read"},
        {QStringList{notJson} + toPlot, ExitFailed, "This is not a JSON readings file"},
        {QStringList{twoEdges} + toPlot, ExitFailed, "At least 2 zones are needed"},
        {QStringList{reversed} + toPlot, ExitFailed, "readings entered in the wrong direction?"},
        {toPlot, ExitBadUsage, "reduce takes one readings file."},
        {{good, "--radius", "median"}, ExitBadUsage, "--radius must be mean, couder or carlin."},
        {{good, "--wavelength", "-5"}, ExitBadUsage, "--wavelength must be a positive number"},
        {{good, "--plot", reduce.folder.file("plot.gif")},
         ExitBadUsage,
         "--plot must name a .png or .svg file."},
    };
    for (const auto& c : cases) {
        reduce.out.clear(), reduce.err.clear();
        EXPECT_EQ(reduce.run(c.arguments), c.exit) << c.message.toStdString();
        EXPECT_TRUE(reduce.err.contains(c.message)) << reduce.err.toStdString();
        EXPECT_EQ(reduce.err.contains("Usage: orvane-cli reduce FILE"), c.exit == ExitBadUsage);
        EXPECT_TRUE(reduce.out.isEmpty());
    }
    EXPECT_EQ(reduce.plots, 0);
    EXPECT_FALSE(QFile::exists(plot));
}

} // namespace
