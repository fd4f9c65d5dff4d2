#include "errors/Trap.h"

#include "support/ScriptedReporter.h"

#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

[[noreturn]] void fail(qint32 number = ErrNo::InvalidPropertyValue) {
    raise(number, QStringLiteral("scripted failure"));
}

// A procedure of three statements whose second fails the first `failures` times.
struct ThreeStatements {
    int failures = 1;
    QStringList ran;

    bool run() {
        Trap trap(QStringLiteral("modTest"), QStringLiteral("Proc"));
        trap.run([&] {
            trap.at(10, [&] { ran << QStringLiteral("10"); });
            trap.at(20, [&] {
                ran << QStringLiteral("20");
                if (failures-- > 0)
                    fail();
            });
            trap.at(30, [&] { ran << QStringLiteral("30"); });
        });
        return trap.left();
    }
};

} // namespace

TEST(Trap, RetryRunsTheFailingStatementAgain) {
    ScriptedReporter reporter({Retry, Retry});
    ScopedReplacement<ErrorReporter> r(reporter);
    ThreeStatements p;
    p.failures = 2;
    EXPECT_FALSE(p.run());
    EXPECT_EQ(p.ran, QStringList({"10", "20", "20", "20", "30"}));
    ASSERT_EQ(reporter.reports.size(), 2);
    EXPECT_EQ(reporter.reports[0].module, QStringLiteral("modTest"));
    EXPECT_EQ(reporter.reports[0].procedure, QStringLiteral("Proc"));
    EXPECT_EQ(reporter.reports[0].number, ErrNo::InvalidPropertyValue);
    EXPECT_EQ(reporter.reports[0].line, 20);
}

TEST(Trap, IgnoreGoesOnAfterTheFailingStatement) {
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> r(reporter);
    ThreeStatements p;
    EXPECT_FALSE(p.run());
    EXPECT_EQ(p.ran, QStringList({"10", "20", "30"}));
}

TEST(Trap, CancelAndUnknownAnswersLeaveTheProcedure) {
    for (qint16 answer : {qint16(Cancel), qint16(7), qint16(-1)}) {
        ScriptedReporter reporter({answer});
        ScopedReplacement<ErrorReporter> r(reporter);
        RecordingEnd end;
        ScopedReplacement<ProgramEnd> e(end);
        ThreeStatements p;
        EXPECT_TRUE(p.run());
        EXPECT_EQ(p.ran, QStringList({"10", "20"})) << answer;
        EXPECT_EQ(end.calls, 0);
    }
}

TEST(Trap, EndStopsTheProgram) {
    ScriptedReporter reporter({End});
    ScopedReplacement<ErrorReporter> r(reporter);
    RecordingEnd end;
    ScopedReplacement<ProgramEnd> e(end);
    ThreeStatements p;
    EXPECT_TRUE(p.run());
    EXPECT_EQ(end.calls, 1);
    EXPECT_EQ(p.ran, QStringList({"10", "20"}));
}

TEST(Trap, IgnoringAFailedConditionEntersTheGuardedBranch) {
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> r(reporter);
    bool entered = false;
    Trap trap(QStringLiteral("m"), QStringLiteral("p"));
    trap.run([&] {
        if (trap.test(40, [&]() -> bool { fail(); }))
            entered = true;
    });
    EXPECT_TRUE(entered);
    EXPECT_EQ(reporter.reports.value(0).line, 40);
}

TEST(Trap, CancelledFunctionReturnsWhatItHadSoFar) {
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> r(reporter);
    auto function = [] {
        QString result;
        Trap trap(QStringLiteral("m"), QStringLiteral("f"));
        trap.run([&] {
            trap.at(10, [&] { result = QStringLiteral("partial"); });
            trap.at(20, [&] { fail(); });
            trap.at(30, [&] { result = QStringLiteral("complete"); });
        });
        return result;
    };
    EXPECT_EQ(function(), QStringLiteral("partial"));
}

TEST(Trap, NestedProcedureIsLeftWithoutLeavingItsCaller) {
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> r(reporter);
    QStringList ran;
    Trap outer(QStringLiteral("m"), QStringLiteral("outer"));
    outer.run([&] {
        outer.at(10, [&] {
            Trap inner(QStringLiteral("m"), QStringLiteral("inner"));
            inner.run([&] { inner.at(50000, [] { fail(); }); });
            ran << QStringLiteral("after inner");
        });
        outer.at(20, [&] { ran << QStringLiteral("20"); });
    });
    EXPECT_FALSE(outer.left());
    EXPECT_EQ(ran, QStringList({"after inner", "20"}));
    EXPECT_EQ(reporter.reports.value(0).procedure, QStringLiteral("inner"));
}

TEST(Trap, QuietStatementsAreNeitherReportedNorStopping) {
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> r(reporter);
    bool after = false;
    Trap trap(QStringLiteral("m"), QStringLiteral("p"));
    trap.run([&] {
        trap.quietly([] { fail(); });
        after = true;
    });
    EXPECT_TRUE(after);
    EXPECT_TRUE(reporter.reports.isEmpty());
}

TEST(Trap, ForeignExceptionsAreReportedAsInternalErrors) {
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> r(reporter);
    Trap trap(QStringLiteral("m"), QStringLiteral("p"));
    trap.run([&] { trap.at(10, [] { throw std::runtime_error("boom"); }); });
    EXPECT_EQ(reporter.reports.value(0).number, ErrNo::InternalError);
}

TEST(Trap, AFailureIgnoredOnceInACallIsNotAskedAboutAgainInThatCall) {
    ScriptedReporter reporter({Retry, Ignore});
    ScopedReplacement<ErrorReporter> r(reporter);
    const auto procedure = [](const QStringList& descriptions) {
        Trap trap(QStringLiteral("modTest"), QStringLiteral("Loop"));
        trap.run([&] {
            for (const QString& description : descriptions)
                trap.at(40, [&, tries = 0]() mutable {
                    // Fails twice, so that the retry meets the same failure once more.
                    if (tries++ < 2)
                        raise(ErrNo::InvalidPicture, description);
                });
        });
    };
    // A retry asks again; once ignored, the same failure at the same label is not asked about;
    // another failure is.
    procedure({"no picture", "no picture", "no picture", "another"});
    EXPECT_EQ(reporter.reports.size(), 3);
    // The next call asks anew.
    procedure({"no picture"});
    EXPECT_EQ(reporter.reports.size(), 4);
}
