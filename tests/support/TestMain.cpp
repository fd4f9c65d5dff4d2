#include "TestEnvironment.h"
#include "errors/ErrorReporter.h"
#include "platform/base/CurrentError.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    // Plug-in libraries copied by tests must be writable by their owner only, as the program
    // wants them, whatever the umask the tests were started under.
    ::umask(022);
    // Widget tests need no display, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    UnexpectedReportFails unexpected;
    zavolin::ErrorReporter::replace(&unexpected);
    return RUN_ALL_TESTS();
}
