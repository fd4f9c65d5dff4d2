#include "platform/print/PdfFallbackPrinter.h"

#include "PrintTestSupport.h"
#include "platform/base/RuntimeError.h"
#include "support/FakeMessageBoxes.h"
#include "support/FixedClock.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

class PdfFallback : public ::testing::Test {
protected:
    FixedClock clock{QDateTime(QDate(2024, 5, 1), QTime(13, 45, 2))};
    FakeMessageBoxes boxes;
    ScopedReplacement<Clock> useClock{clock};
    ScopedReplacement<MessageBoxes> useBoxes{boxes};
    QString folder = freshDirectory(QStringLiteral("documents"));
};

TEST_F(PdfFallback, NamesCarryTheTimeAndCountUpInsteadOfOverwriting) {
    const QDateTime time = clock.time;
    const QString first = writeFile(folder + "/a.part", "first");
    EXPECT_EQ(placePrintout(first, folder, "Zavolin", time),
              folder + "/Zavolin-2024-05-01-134502.pdf");
    const QString second = writeFile(folder + "/b.part", "second");
    EXPECT_EQ(placePrintout(second, folder, "Zavolin", time),
              folder + "/Zavolin-2024-05-01-134502-2.pdf");
    // A link where the next name would be is not followed or replaced either.
    ASSERT_TRUE(QFile::link(folder + "/nowhere", folder + "/Zavolin-2024-05-01-134502-3.pdf"));
    const QString third = writeFile(folder + "/c.part", "third");
    EXPECT_EQ(placePrintout(third, folder, "Zavolin", time),
              folder + "/Zavolin-2024-05-01-134502-4.pdf");

    EXPECT_EQ(contentOf(folder + "/Zavolin-2024-05-01-134502.pdf"), "first");
    EXPECT_EQ(contentOf(folder + "/Zavolin-2024-05-01-134502-2.pdf"), "second");
    EXPECT_EQ(contentOf(folder + "/Zavolin-2024-05-01-134502-4.pdf"), "third");
    EXPECT_FALSE(QFile::exists(folder + "/nowhere"));
    EXPECT_FALSE(QFile::exists(first) || QFile::exists(second) || QFile::exists(third));
}

TEST_F(PdfFallback, EachDocumentIsANewA4PdfAndTheUserIsToldWhere) {
    auto printer = openPdfFallbackPrinter(folder);
    EXPECT_EQ(printer->physicalOffsetX(), qRound(5 * printer->deviceUnitsPerMillimetre()));
    drawMarks(*printer);
    printer->endDoc();
    printer->printLine(QStringLiteral("zweites Dokument"));
    printer->endDoc();

    const QString first = folder + "/Zavolin-2024-05-01-134502.pdf";
    const QString second = folder + "/Zavolin-2024-05-01-134502-2.pdf";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Zavolin-2024-05-01-134502-2.pdf", "Zavolin-2024-05-01-134502.pdf"}));
    EXPECT_EQ(printer->lastDelivery(), second);
    ASSERT_EQ(boxes.informed.size(), 2);
    EXPECT_TRUE(boxes.informed[0].contains(first));
    EXPECT_TRUE(boxes.informed[1].contains(second));
    EXPECT_TRUE(boxes.informed[1].contains(QStringLiteral("saved")));
    EXPECT_TRUE(boxes.informed[1].contains(QStringLiteral("gespeichert")));

    const auto size = pdfPageSize(first);
    ASSERT_TRUE(size);
    EXPECT_NEAR(size->width(), 210, 0.4);
    EXPECT_NEAR(size->height(), 297, 0.4);
    EXPECT_TRUE(pdfText(second).contains(QStringLiteral("zweites Dokument")));
}

TEST_F(PdfFallback, WithoutAFolderItUsesTheUsersDocumentsFolder) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(documents.startsWith(QDir::homePath())) << "tests must not touch the real home";
    auto printer = openPdfFallbackPrinter();
    printer->printLine(QStringLiteral("x"));
    printer->endDoc();
    EXPECT_TRUE(printer->lastDelivery().startsWith(documents + QLatin1Char('/')));
    EXPECT_TRUE(QFile::exists(printer->lastDelivery()));
    QFile::remove(printer->lastDelivery());
}

TEST_F(PdfFallback, AFolderThatCannotBeMadeFailsAndTellsNothing) {
    const QString blocker = writeFile(folder + "/file", "x");
    auto printer = openPdfFallbackPrinter(blocker + "/Documents");
    try {
        printer->line(0, 0, 10, 10);
        ADD_FAILURE() << "no failure";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrNo::PrinterError);
        EXPECT_TRUE(e.description().contains(blocker));
    }
    EXPECT_TRUE(boxes.informed.isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"file"});
}

} // namespace
} // namespace zavolin::test
