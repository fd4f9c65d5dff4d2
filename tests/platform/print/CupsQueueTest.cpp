// What the scheduler says about a queue, and job options that must reach it as asked.
#include "platform/print/CupsQueue.h"

#include "PrintTestSupport.h"
#include "platform/base/RuntimeError.h"
#include "platform/print/CupsQueuePrinter.h"
#include "platform/print/QtPrinter.h"
#include "support/PrintedPdf.h"
#include "support/ProgramRun.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <string>

namespace zavolin::test {
namespace {

QString queueName(const char* queue) {
    return QString::fromLatin1(queue);
}

// The jobs waiting or printing on the queue, one line each.
std::string pendingJobs(const char* queue) {
    return runProgram(QStringLiteral("lpstat"), {QStringLiteral("-o"), queueName(queue)})
        .output.trimmed()
        .toStdString();
}

class CupsQueues : public ::testing::Test {
protected:
    void SetUp() override {
        ZAVOLIN_SKIP_WITHOUT_CUPS();
        for (const char* queue : {cups::PdfQueue, cups::DuplexQueue, cups::PausedQueue})
            ASSERT_TRUE(cups::queueExists(queueName(queue)))
                << "The test queue " << queue << " is missing: run tools/cups-setup.sh as root.";
    }
};

TEST_F(CupsQueues, TwoSidedCopiesReachTheSchedulerAsAsked) {
    EXPECT_TRUE(cupsQueueStatus(queueName(cups::DuplexQueue)).twoSided);
    EXPECT_FALSE(cupsQueueStatus(queueName(cups::PdfQueue)).twoSided);

    auto printer =
        openCupsQueuePrinter(queueName(cups::DuplexQueue), {JobSides::TwoSidedLongEdge, true});
    printer->setCopies(3);
    drawMarks(*printer);
    printer->newPage();
    printer->printLine(QStringLiteral("back"));
    const QDateTime since = QDateTime::currentDateTime().addSecs(-2);
    printer->setDocumentName(QStringLiteral("zavolin-test-two-sided"));
    printer->endDoc();
    const QString job = printer->lastDelivery();
    EXPECT_TRUE(job.startsWith(queueName(cups::DuplexQueue) + QLatin1Char('-'))) << qPrintable(job);

    QString why;
    EXPECT_EQ(jobAttribute(job, QStringLiteral("sides"), &why).value_or(QString()).toStdString(),
              "two-sided-long-edge")
        << qPrintable(why);
    EXPECT_EQ(jobCopies(job, &why), 3) << qPrintable(why);
    EXPECT_EQ(jobAttribute(job, QStringLiteral("multiple-document-handling"), &why)
                  .value_or(QString())
                  .toStdString(),
              "separate-documents-collated-copies")
        << qPrintable(why);
    const QString pdf = waitForJobPdf(job, since, std::chrono::seconds(60), &why);
    ASSERT_FALSE(pdf.isEmpty()) << qPrintable(why);
    // cups-pdf gets the copies made by the scheduler: three whole documents, front and back.
    ASSERT_EQ(pdfPageCount(pdf), 6) << qPrintable(pdf);
    const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 6);
    for (int page = 0; page < 6; ++page)
        EXPECT_EQ(pages[page].contains(QStringLiteral("back")), page % 2 == 1)
            << "page " << page + 1;
}

TEST_F(CupsQueues, APausedQueueIsReportedBeforeAnythingIsSent) {
    const CupsQueueStatus status = cupsQueueStatus(queueName(cups::PausedQueue));
    EXPECT_TRUE(status.paused);
    EXPECT_TRUE(status.accepting);
    EXPECT_FALSE(status.reason.isEmpty());

    const QString temp = freshDirectory(QStringLiteral("paused-tmp"));
    ScopedEnvironment tmpdir("TMPDIR", QFile::encodeName(temp));
    const std::string jobsBefore = pendingJobs(cups::PausedQueue);
    auto printer = openCupsQueuePrinter(queueName(cups::PausedQueue));
    drawMarks(*printer);
    try {
        printer->endDoc();
        ADD_FAILURE() << "a job was sent to the paused queue as "
                      << qPrintable(printer->lastDelivery());
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrNo::PrinterError);
        EXPECT_TRUE(e.description().contains(
            QStringLiteral("\"%1\" is paused").arg(queueName(cups::PausedQueue))))
            << qPrintable(e.description());
        EXPECT_TRUE(e.description().contains(status.reason)) << qPrintable(e.description());
    }
    EXPECT_EQ(pendingJobs(cups::PausedQueue), jobsBefore);
    EXPECT_TRUE(QDir(temp).entryList(QDir::Files).isEmpty());
}

} // namespace
} // namespace zavolin::test
