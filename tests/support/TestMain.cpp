#include "TestEnvironment.h"
#include "errors/ErrorReporter.h"
#include "platform/CurrentError.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// A failure that no test scripted would otherwise open the modal error window and hang the
// run: fail the test instead and leave the procedure.
class UnexpectedReportFails : public zavolin::ErrorReporter {
public:
    qint16 OnError(const QString& aktModul, const QString& aktProc) override {
        const zavolin::CurrentError& e = zavolin::currentError();
        ADD_FAILURE() << "unexpected error report: " << e.number << " ("
                      << e.description.toStdString() << ") in " << aktModul.toStdString() << "."
                      << aktProc.toStdString() << ", line " << e.line;
        return zavolin::Cancel;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    // Never touch the real user's settings, registry or documents.
    zavolin::test::isolateUserDirectories();
    // Widget tests need no display, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    UnexpectedReportFails unexpected;
    zavolin::ErrorReporter::replace(&unexpected);
    return RUN_ALL_TESTS();
}
