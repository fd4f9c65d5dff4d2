// End to end through a real CUPS: QPainter -> PDF -> libcups -> cups-pdf -> PDF on disk, measured.
#include "PrintTestSupport.h"
#include "platform/base/RuntimeError.h"
#include "platform/print/CupsQueue.h"
#include "platform/print/CupsQueuePrinter.h"
#include "platform/print/DefaultPrinter.h"
#include "platform/print/QtPrinter.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <iostream>

namespace zavolin::test {
namespace {

constexpr double Tolerance = 0.15; // millimetres on paper

struct QueueCase {
    const char* queue;
    QMarginsF edges; // left, top, right, bottom in millimetres
};

std::ostream& operator<<(std::ostream& os, const QueueCase& c) {
    return os << c.queue;
}

class CupsQueue : public ::testing::TestWithParam<QueueCase> {
protected:
    void SetUp() override {
        ZAVOLIN_SKIP_WITHOUT_CUPS();
        ASSERT_TRUE(cups::queueExists(QString::fromLatin1(GetParam().queue)))
            << "The test queue " << GetParam().queue
            << " is missing: run tools/cups-setup.sh as root.";
    }

    // The printer Printer::real() would make with PRINTER naming the queue.
    std::unique_ptr<QtPrinter> openQueue() {
        ScopedEnvironment lpdest("LPDEST", QByteArray());
        ScopedEnvironment printer("PRINTER", GetParam().queue);
        std::unique_ptr<Printer> opened = openDefaultPrinter();
        auto* qt = dynamic_cast<QtPrinter*>(opened.get());
        if (!qt)
            return nullptr;
        opened.release();
        return std::unique_ptr<QtPrinter>(qt);
    }

    // Ends the document and waits for cups-pdf's PDF of it.
    QString finish(QtPrinter& printer, const char* title) {
        const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
        printer.setDocumentName(QString::fromLatin1(title));
        QElapsedTimer timer;
        timer.start();
        printer.endDoc();
        QString why;
        const QString pdf =
            waitForJobPdf(printer.lastDelivery(), since, std::chrono::seconds(60), &why);
        std::cout << "[ measure  ] " << GetParam().queue << " job "
                  << qPrintable(printer.lastDelivery()) << ": PDF after " << timer.elapsed()
                  << " ms\n";
        EXPECT_FALSE(pdf.isEmpty()) << qPrintable(why);
        return pdf;
    }
};

TEST_P(CupsQueue, ReportsTheQueuesPaperAndImageableArea) {
    const QMarginsF edges = GetParam().edges;
    auto printer = openQueue();
    ASSERT_TRUE(printer);
    const double perMm = printer->deviceUnitsPerMillimetre();
    EXPECT_NEAR(perMm, 1200 / 25.4, 1e-9);
    // A4 in twips (1440 to the inch).
    EXPECT_NEAR(printer->widthTwips(), 210 * 1440 / 25.4, 1.0);
    EXPECT_NEAR(printer->heightTwips(), 297 * 1440 / 25.4, 1.0);
    EXPECT_NEAR(printer->physicalOffsetX() / perMm, edges.left(), 0.02);
    EXPECT_NEAR(printer->physicalOffsetY() / perMm, edges.top(), 0.02);

    printer->setScaleMode(PrinterScaleMode::Millimetres);
    EXPECT_NEAR(printer->scaleWidth(), 210 - edges.left() - edges.right(), 0.02);
    EXPECT_NEAR(printer->scaleHeight(), 297 - edges.top() - edges.bottom(), 0.02);
    printer->setScaleMode(PrinterScaleMode::Twips);
    EXPECT_NEAR(printer->scaleWidth(), (210 - edges.left() - edges.right()) * 1440 / 25.4, 1.0);
}

TEST_P(CupsQueue, GreyLinesLandAtThePrintableOriginPlusTheirPosition) {
    const QMarginsF edges = GetParam().edges;
    auto printer = openQueue();
    ASSERT_TRUE(printer);
    drawMarks(*printer);
    // A line reaching out of the printable area is cut at its edge, as a printer would.
    printer->line(-20, 230, 40, 230);
    const QString pdf = finish(*printer, "zavolin-test-lines");
    ASSERT_FALSE(pdf.isEmpty());

    const auto size = pdfPageSize(pdf);
    ASSERT_TRUE(size);
    EXPECT_NEAR(size->width(), 210, 0.5);
    EXPECT_NEAR(size->height(), 297, 0.5);

    const PageRaster page = PageRaster::render(pdf);
    ASSERT_FALSE(page.isNull());
    const QList<FoundLine> horizontal = page.horizontalLines();
    const QList<FoundLine> vertical = page.verticalLines();
    for (const Mark& m : HorizontalMarks) {
        const FoundLine* line = nearestLine(horizontal, edges.top() + m.at, 1.0);
        ASSERT_TRUE(line) << "no horizontal line near " << m.at;
        EXPECT_NEAR(line->across, edges.top() + m.at, Tolerance);
        EXPECT_NEAR(line->start, edges.left() + m.from, 0.3);
        EXPECT_NEAR(line->end, edges.left() + m.to, 0.3);
        // Thin but solid: 0.1 mm, not a device hairline.
        EXPECT_NEAR(line->thickness, 0.1, 0.05);
    }
    for (const Mark& m : VerticalMarks) {
        const FoundLine* line = nearestLine(vertical, edges.left() + m.at, 1.0);
        ASSERT_TRUE(line) << "no vertical line near " << m.at;
        EXPECT_NEAR(line->across, edges.left() + m.at, Tolerance);
        EXPECT_NEAR(line->start, edges.top() + m.from, 0.3);
        EXPECT_NEAR(line->end, edges.top() + m.to, 0.3);
    }
    double worst = 0;
    for (const Mark& m : HorizontalMarks)
        if (const FoundLine* line = nearestLine(horizontal, edges.top() + m.at, 1.0))
            worst = std::max(worst, std::abs(line->across - edges.top() - m.at));
    for (const Mark& m : VerticalMarks)
        if (const FoundLine* line = nearestLine(vertical, edges.left() + m.at, 1.0))
            worst = std::max(worst, std::abs(line->across - edges.left() - m.at));
    std::cout << "[ measure  ] " << GetParam().queue << ": lines off by at most " << worst
              << " mm\n";
    const FoundLine* cut = nearestLine(horizontal, edges.top() + 230, 1.0);
    ASSERT_TRUE(cut);
    EXPECT_NEAR(cut->start, edges.left(), 0.3);
    EXPECT_NEAR(cut->end, edges.left() + 40, 0.3);
}

TEST_P(CupsQueue, TextLinesReachThePaper) {
    auto printer = openQueue();
    ASSERT_TRUE(printer);
    printer->printLine(QString());
    printer->printLine(QStringLiteral("Fehler-Nr / error :\t482 Printer error"));
    printer->printLine(QStringLiteral("Zeile mit Umlauten: äöü ß"));
    const QString pdf = finish(*printer, "zavolin-test-text");
    ASSERT_FALSE(pdf.isEmpty());
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("482 Printer error"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Umlauten: äöü ß"))) << qPrintable(text);
}

INSTANTIATE_TEST_SUITE_P(
    Queues, CupsQueue,
    ::testing::Values(QueueCase{cups::PdfQueue, QMarginsF(0, 0, 0, 0)},
                      QueueCase{cups::MarginsQueue,
                                QMarginsF(cups::MarginsLeft, cups::MarginsTop, cups::MarginsRight,
                                          cups::MarginsBottom)}),
    [](const ::testing::TestParamInfo<QueueCase>& info) {
        return QString::fromLatin1(info.param.queue).remove(QLatin1Char('-')).toStdString();
    });

class CupsJobs : public ::testing::Test {
protected:
    void SetUp() override {
        ZAVOLIN_SKIP_WITHOUT_CUPS();
        ASSERT_TRUE(cups::queueExists(QString::fromLatin1(cups::PdfQueue)))
            << "run tools/cups-setup.sh as root";
    }
};

TEST_F(CupsJobs, SeveralCopiesAreOneJobAndTheCountStays) {
    ScopedEnvironment printerName("PRINTER", cups::PdfQueue);
    auto printer = openDefaultPrinter();
    auto* qt = dynamic_cast<QtPrinter*>(printer.get());
    ASSERT_TRUE(qt);
    EXPECT_EQ(printer->copies(), 1);
    printer->setCopies(3);
    try {
        printer->setCopies(0);
        ADD_FAILURE() << "0 copies accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrNo::InvalidPropertyValue);
    }
    EXPECT_EQ(printer->copies(), 3);
    drawMarks(*printer);
    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    qt->setDocumentName(QStringLiteral("zavolin-test-copies"));
    printer->endDoc();
    EXPECT_EQ(printer->copies(), 3);
    QString why;
    EXPECT_FALSE(waitForJobPdf(qt->lastDelivery(), since, std::chrono::seconds(60), &why).isEmpty())
        << qPrintable(why);
}

TEST_F(CupsJobs, ARefusedJobIsReportedAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(cups::queueExists(QString::fromLatin1(cups::RejectingQueue)))
        << "run tools/cups-setup.sh as root";
    const QString temp = freshDirectory(QStringLiteral("tmp"));
    ScopedEnvironment tmpdir("TMPDIR", QFile::encodeName(temp));
    auto printer = openCupsQueuePrinter(QString::fromLatin1(cups::RejectingQueue));
    drawMarks(*printer);
    // The document being written, in the shared temporary folder, for the user only.
    const QFileInfoList written = QDir(temp).entryInfoList(QDir::Files);
    ASSERT_EQ(written.size(), 1);
    EXPECT_FALSE(written[0].permissions() &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther));
    try {
        printer->endDoc();
        ADD_FAILURE() << "the refused job was reported as printed";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrNo::PrinterError);
        EXPECT_TRUE(e.description().contains(QString::fromLatin1(cups::RejectingQueue)))
            << qPrintable(e.description());
        EXPECT_TRUE(e.description().contains(QStringLiteral("not accepting")))
            << qPrintable(e.description());
    }
    EXPECT_FALSE(printer->documentOpen());
    EXPECT_TRUE(QDir(temp).entryList(QDir::Files).isEmpty());
}

TEST(DefaultPrinter, LpdestComesBeforePrinter) {
    ZAVOLIN_SKIP_WITHOUT_CUPS();
    ASSERT_TRUE(cups::queueExists(QString::fromLatin1(cups::MarginsQueue)));
    ScopedEnvironment lpdest("LPDEST", cups::MarginsQueue);
    ScopedEnvironment printerName("PRINTER", cups::PdfQueue);
    EXPECT_EQ(chooseDefaultPrinter().queue, QString::fromLatin1(cups::MarginsQueue));
}

// Without LPDEST and PRINTER: the user's lpoptions default, else the scheduler's, and the set
// dialog lists the same queue first.
TEST(DefaultPrinter, WithoutTheVariablesTheUsersThenTheSystemsDefault) {
    ZAVOLIN_SKIP_WITHOUT_CUPS();
    ScopedEnvironment lpdest("LPDEST", QByteArray());
    ScopedEnvironment printerName("PRINTER", QByteArray());
    struct Case {
        const char* userDefault; // in ~/.cups/lpoptions; none when null
        const char* chosen;
    };
    for (const Case& c :
         {Case{nullptr, cups::PdfQueue}, Case{cups::MarginsQueue, cups::MarginsQueue}}) {
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        ScopedEnvironment homeVariable("HOME", home.path().toUtf8());
        if (c.userDefault) {
            ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral(".cups")));
            QFile lpoptions(home.filePath(QStringLiteral(".cups/lpoptions")));
            ASSERT_TRUE(lpoptions.open(QIODevice::WriteOnly));
            lpoptions.write(QByteArray("Default ") + c.userDefault + '\n');
        }
        // libcups reads HOME once a thread: a new thread reads this one.
        const auto [chosen, listedFirst] =
            std::async(std::launch::async, [] {
                return std::pair(chooseDefaultPrinter().queue, cupsQueueNames().value(0));
            }).get();
        EXPECT_EQ(chosen, QString::fromLatin1(c.chosen));
        EXPECT_EQ(listedFirst, QString::fromLatin1(c.chosen));
    }
}

// Printer::real() is made once per process; each ctest case runs in a process of its own.
TEST_F(CupsJobs, RealPrinterIsTheQueueNamedByPrinter) {
    ScopedEnvironment lpdest("LPDEST", QByteArray());
    ScopedEnvironment printerName("PRINTER", cups::MarginsQueue);
    if (Printer::replacement())
        GTEST_SKIP() << "a fake printer is installed";
    Printer& printer = Printer::real();
    EXPECT_EQ(&printer, &Printer::real());
    EXPECT_NEAR(printer.physicalOffsetX() / printer.deviceUnitsPerMillimetre(), cups::MarginsLeft,
                0.02);
    EXPECT_NEAR(printer.physicalOffsetY() / printer.deviceUnitsPerMillimetre(), cups::MarginsTop,
                0.02);
}

} // namespace
} // namespace zavolin::test
