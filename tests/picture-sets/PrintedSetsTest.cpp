// A page printed to PDF with each shipped set, through the command lying beside the sets as
// installed: every note on the page inked, and the page small enough to print quickly.
#include "support/ExpectedSheet.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <iostream>

using namespace zavolin;
using namespace zavolin::test;

namespace {

// A printed page of vector artwork should stay under this, whichever note it holds.
constexpr qint64 PageLimit = 300 * 1024;

} // namespace

TEST(PrintedSets, EveryNoteOfAPageIsInkedAndThePageStaysSmall) {
    const QString folder = freshDirectory(QStringLiteral("printed-sets"));
    const struct {
        const char* set;
        const char* file;
    } sets[] = {{"Klassisch / Classic", "classic"},
                {"Kinder / Kids", "kids"},
                {"Ausmalen / Colouring", "lineart"}};
    const char* const values[] = {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};
    for (const auto& s : sets) {
        for (int denom = 1; denom <= 10; ++denom) {
            const char* name = values[denom - 1];
            for (int side = 0; side < 2; ++side) {
                const QString pdf = QDir(folder).filePath(
                    QStringLiteral("%1-%2-%3.pdf").arg(s.file, name).arg(side));
                const std::string what =
                    std::string(s.set) + " " + name + " side " + std::to_string(side);
                QProcess command;
                command.start(QString::fromLocal8Bit(ZAVOLIN_SHEET_COMMAND),
                              {"--picture-set", QString::fromUtf8(s.set), "--denomination", name,
                               "--side", side ? "back" : "front", "--output", pdf});
                ASSERT_TRUE(command.waitForFinished(60000)) << what;
                ASSERT_EQ(command.exitCode(), 0)
                    << what << ": " << command.readAllStandardError().toStdString();

                const qint64 size = QFileInfo(pdf).size();
                EXPECT_LT(size, PageLimit) << what;
                std::cout << "[ measure  ] " << what << ": PDF page " << (size + 512) / 1024
                          << " KB\n";

                const PageRaster page = PageRaster::render(pdf, 1, 100);
                ASSERT_FALSE(page.isNull()) << what;
                const ExpectedSheet expected =
                    expectedOnPaper(SheetChoice{denom, side, 0, 0}, a4FilePaper());
                ASSERT_FALSE(expected.items.isEmpty()) << what;
                for (const QRectF& note : expected.items) {
                    // Ink well inside the note, not merely its cut lines.
                    EXPECT_TRUE(page.hasInkIn(note.adjusted(3, 3, -3, -3), 160))
                        << what << ": note at " << note.top() << " mm";
                }
            }
        }
    }
}
