#include "platform/print/DefaultPrinter.h"

#include "PrintTestSupport.h"
#include "platform/base/RuntimeError.h"
#include "platform/print/QtPrinter.h"

#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

template <typename Call>
RuntimeError failureOf(Call call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e;
    }
    return RuntimeError(0, QString());
}

TEST(DefaultPrinter, NamedQueueThatDoesNotExistFailsAtEveryUse) {
    ScopedEnvironment lpdest("LPDEST", QByteArray());
    ScopedEnvironment printerName("PRINTER", "zavolin-no-such-queue");
    EXPECT_TRUE(chooseDefaultPrinter().queue.isEmpty());
    auto printer = openDefaultPrinter();
    // Reading the copy count is the first thing printing does; it must fail, not print a PDF.
    const RuntimeError copies = failureOf([&] { printer->copies(); });
    EXPECT_EQ(copies.number(), ErrNo::PrinterError);
    EXPECT_TRUE(copies.description().contains(QStringLiteral("zavolin-no-such-queue")));
    EXPECT_EQ(failureOf([&] { printer->line(0, 0, 1, 1); }).number(), ErrNo::PrinterError);
    EXPECT_EQ(failureOf([&] { printer->endDoc(); }).number(), ErrNo::PrinterError);
}

TEST(DefaultPrinter, WithoutAQueueItIsTheBuiltInPdfPrinter) {
    ScopedEnvironment lpdest("LPDEST", QByteArray());
    ScopedEnvironment printerName("PRINTER", QByteArray());
    if (!chooseDefaultPrinter().queue.isEmpty())
        GTEST_SKIP() << "this system has a printer";
    auto printer = openDefaultPrinter();
    auto* qt = dynamic_cast<QtPrinter*>(printer.get());
    ASSERT_TRUE(qt);
    EXPECT_EQ(qt->paper().pageSize.id(), QPageSize::A4);
    EXPECT_EQ(qt->paper().unprintableMillimetres, QMarginsF(5, 5, 5, 5));
}

} // namespace
} // namespace zavolin::test
