// A class's notes counted by value, from the command line: the plan and the file agree with each
// other and with the paper, and each value gets the fewest pages that hold its count.
#include "SheetProcess.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zavolin::test {

TEST(ClassSetCommand, ThirtyChildrenWithTenOfEachOnA4PlanAndFileAgree) {
    const QString pdf = QDir(freshDirectory(QStringLiteral("class-set"))).filePath("class.pdf");
    const QStringList arguments = {"--whole-set", "--children", "30",       "--each", "10",
                                   "--columns",   "auto",       "--output", pdf};
    const SheetRun plan = runSheet(arguments + QStringList{"--plan"});
    ASSERT_EQ(plan.exitCode, 0) << qPrintable(plan.errors);
    EXPECT_FALSE(QFile::exists(pdf)) << "--plan makes nothing";

    // value, notes a page holds on A4 with 5 mm edges, as many columns as fit: "1000" is too
    // wide for two columns of 101.5 mm with their cut lines within 200 mm.
    const QList<std::pair<QString, int>> held = {
        {"1", 14},   {"2", 14},   {"5", 12},   {"10", 12},  {"20", 12},   {"50", 12},
        {"100", 10}, {"200", 10}, {"500", 10}, {"1000", 5}, {"coins", 10}};
    int sheets = 0;
    QMap<QString, int> pagesOf;
    for (const auto& [value, perPage] : held) {
        const int pages = (300 + perPage - 1) / perPage;
        const QRegularExpression row(QStringLiteral("^%1 +300 +%2 +%3 +%4$")
                                         .arg(value)
                                         .arg(perPage)
                                         .arg(pages)
                                         .arg(pages * perPage),
                                     QRegularExpression::MultilineOption);
        EXPECT_TRUE(row.match(plan.output).hasMatch()) << qPrintable(value) << "\n"
                                                       << qPrintable(plan.output);
        pagesOf.insert(value, pages);
        sheets += pages;
    }
    EXPECT_TRUE(plan.output.contains(QStringLiteral("sheets of paper: %1,").arg(sheets)))
        << qPrintable(plan.output);

    const SheetRun made = runSheet(arguments);
    ASSERT_EQ(made.exitCode, 0) << qPrintable(made.errors);
    ASSERT_EQ(pdfPageCount(pdf), 2 * sheets) << "each sheet's front followed by its back";
    // Each front's footnote names its value (German: the tests' stored language).
    QMap<QString, int> fronts;
    const QRegularExpression front(
        QStringLiteral("(\\S+) · Vorderseite · Seite \\d+ von %1").arg(2 * sheets),
        QRegularExpression::MultilineOption);
    for (auto it = front.globalMatch(pdfText(pdf)); it.hasNext();)
        ++fronts[it.next().captured(1)];
    pagesOf[QStringLiteral("Münzen")] = pagesOf.take(QStringLiteral("coins"));
    EXPECT_EQ(fronts, pagesOf);

    // The notes on the first front of a value, counted between its cut lines.
    int page = 1;
    for (const auto& [value, perPage] : held) {
        if (value == QLatin1String("1") || value == QLatin1String("1000")) {
            const PageRaster raster = PageRaster::render(pdf, page, 100);
            ASSERT_FALSE(raster.isNull());
            const qsizetype notes = (raster.verticalLines(192, 40).size() - 1) *
                                    (raster.horizontalLines(192, 40).size() - 1);
            EXPECT_EQ(notes, perPage) << qPrintable(value);
        }
        page += 2 * pagesOf.value(value);
    }
}

} // namespace zavolin::test
