// The page engine: pages printed as one job, and a page drawn under the caller's labels.
#include "sheet/PageEngine.h"

#include "platform/pictures/PictureClip.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SizeNotes.h"
#include "support/FakePrinter.h"
#include "support/ScriptedReporter.h"

#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class PageEngine : public ::testing::Test {
protected:
    void SetUp() override {
        SizeNotes(sizes);
        ScaleFactor(printer, sizes, 1, 0, geometry, {});
    }

    RecordingPrinter printer;
    SizeTable sizes;
    PageGeometry geometry;
    PictureClip noNotes;
    const PageContent content{{sizes, geometry, {}}, noNotes};
};

} // namespace

TEST_F(PageEngine, PagesPrintAsOneJobWithANewPageBetweenThemAndTheCountGivenBack) {
    printer.count = 2;
    PrintJob job;
    job.copies = [] { return 3; };
    // Coin sheets: they need no picture set.
    printPages(printer, {{0, 0}, {0, 1}, {0, 0}}, content, job);
    EXPECT_EQ(printer.calls, QStringList({"copies 3", "line ''", "colour #c0c0c0", "newPage",
                                          "newPage", "endDoc", "copies 2"}));
    EXPECT_EQ(printer.countAtEndDoc, 3);
    EXPECT_EQ(printer.pictures, 3 * int(geometry.RowsPerPage));
}

TEST_F(PageEngine, ARefusedCountFailsTheJobOnlyWhenTheCallerSaysSo) {
    PrintJob job;
    job.copies = [] { return 0; };
    printPages(printer, {{0, 0}}, content, job);
    EXPECT_EQ(printer.countAtEndDoc, 1) << "the printer's own count";

    printer.calls.clear();
    job.refusedCopies = RefusedCopies::Fail;
    EXPECT_THROW(printPages(printer, {{0, 0}}, content, job), RuntimeError);
    EXPECT_TRUE(printer.calls.isEmpty()) << "nothing printed";
}

TEST_F(PageEngine, AFailureIsReportedAtTheCallersLabel) {
    ScriptedReporter reporter({Ignore});
    const ScopedReplacement<ErrorReporter> answers(reporter);
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PicBut_click"));
    // A banknote page without a picture set: the painter reports its own statement, the
    // engine's statements stay the caller's.
    printer.failing = true;
    trap.run([&] {
        printPages(printer, {{1, 0}}, content, PrintJob(), trap,
                   {60, 100, 110, {130, 140, 160}, 180});
    });
    QList<qint32> lines;
    for (const Report& r : reporter.reports)
        if (r.procedure == "PicBut_click")
            lines << r.line;
    EXPECT_EQ(lines, QList<qint32>({60, 100, 110, 180}));
}
