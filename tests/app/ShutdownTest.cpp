// Closing the main window: unregistering, saving the offsets, and the next start.
#include "WindowFixture.h"
#include "app/SystemShutdown.h"
#include "errors/ErrPtnr.h"
#include "errors/ProtocolFiles.h"
#include "support/ScriptedReporter.h"
#include "support/TestEnvironment.h"
#include "ui_frmZavolin.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <csignal>
#include <cstring>
#include <unistd.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Shutdown : public WindowTest {};

// Sends the signal to this process with the system's shutdown installed on the window; true
// when the window has closed within the patience.
bool closedBySignal(QWidget& window, int signal, int patienceMs) {
    const SystemShutdown systemEnd(window);
    if (::kill(::getpid(), signal) != 0)
        return false;
    const QDeadlineTimer patience(patienceMs);
    while (window.isVisible() && !patience.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return !window.isVisible();
}

} // namespace

TEST_F(Shutdown, ClosingUnregistersEveryLibraryAndSavesTheOffsetsForTheNextStart) {
    add("ZavolinLowerTyp.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    auto window = load();
    window->Offsets = {-3, 4};
    window->close();
    // Both libraries, the refused one too, in list order.
    EXPECT_EQ(logged("unregister"), QStringList({"ZavolinA.dll", "ZavolinB.dll"}));
    EXPECT_EQ(settings.writes, QStringList({"LeftMargin=-3", "TopMargin=4"}));
    window.reset();

    const auto next = load();
    EXPECT_EQ(next->Offsets.LeftMargin, -3);
    EXPECT_EQ(next->Offsets.TopMargin, 4);
    // Ending the program outside its event loop must not stop later modal windows: the next
    // start's about window waited for its answer.
    EXPECT_EQ(modalsClosed(), 2);
}

TEST_F(Shutdown, TheEndButtonClosesTheWindowOnce) {
    add("ZavolinAccepted.dll");
    auto window = load();
    window->ui().PicBut_2->click();
    EXPECT_FALSE(window->isVisible());
    window->close();
    EXPECT_EQ(logged("unregister"), QStringList({"ZavolinAccepted.dll"}));
    EXPECT_EQ(settings.writes, QStringList({"LeftMargin=0", "TopMargin=0"}));
}

TEST_F(Shutdown, WithoutLibrariesTheOffsetsAreSavedAsUsual) {
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> answers(reporter);
    auto window = load();
    window->Offsets.TopMargin = -20;
    window->close();
    EXPECT_EQ(settings.writes, QStringList({"LeftMargin=0", "TopMargin=-20"}));
}

TEST_F(Shutdown, AnOffsetThatCannotBeStoredIsReportedAtItsLine) {
    class RefusingStore : public FakeSettings {
    public:
        void setText(const QString& key, const QString& value) override {
            if (key == "LeftMargin")
                raise(ErrNo::PathFileAccessError, "Path/File access error.");
            FakeSettings::setText(key, value);
        }
    } refusing;
    add("ZavolinAccepted.dll");
    auto window = load();
    ScopedReplacement<SettingsStore> store(refusing);
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> answers(reporter);
    window->close();
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].procedure, "Form_Unload");
    EXPECT_EQ(reporter.reports[0].line, 20);
    EXPECT_EQ(refusing.writes, QStringList({"TopMargin=0"}));
}

TEST_F(Shutdown, TheSystemsEndSignalsCloseTheWindowAndKeepTheOffsets) {
    add("ZavolinAccepted.dll");
    const struct {
        int signal;
        PrintOffsets offsets;
        QStringList stored;
    } cases[] = {{SIGTERM, {5, -7}, {"LeftMargin=5", "TopMargin=-7"}},
                 {SIGHUP, {-3, 9}, {"LeftMargin=-3", "TopMargin=9"}}};
    for (const auto& [signal, offsets, stored] : cases) {
        SCOPED_TRACE(strsignal(signal));
        settings.writes.clear();
        const int unregistered = int(logged("unregister").size());
        const auto window = load();
        window->Offsets = offsets;
        struct sigaction before {};
        ASSERT_EQ(sigaction(signal, nullptr, &before), 0);
        EXPECT_TRUE(closedBySignal(*window, signal, 60000));
        EXPECT_EQ(logged("unregister").mid(unregistered), QStringList({"ZavolinAccepted.dll"}));
        EXPECT_EQ(settings.writes, stored);
        // The signal's former handling is back: here the default, which would end the test.
        struct sigaction after {};
        ASSERT_EQ(sigaction(signal, nullptr, &after), 0);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
}

TEST_F(Shutdown, ASettingsFileOfSomeoneElsesIsKeptAndTheSystemsEndWaitsOnNoWindow) {
    const QByteArray diary = "Dear diary,\ntoday the printer ran out of paper.\n";
    const QString path = fileWith(diary, QStringLiteral("Zavolin.conf"));
    QSettingsStore stored(path);
    ScopedReplacement<SettingsStore> store(stored);
    add("ZavolinAccepted.dll");
    auto window = load();
    ASSERT_EQ(messages.informed.size(), 1);
    EXPECT_TRUE(messages.informed[0].contains(path + ": its text is not in the form of settings"))
        << qPrintable(messages.informed[0]);

    const int modals = modalsClosed();
    const QString log = programFilePath(QStringLiteral(".EPT"));
    QFile::remove(log);
    {
        // The program's own error window, which would wait for an answer.
        ScopedReplacement<ErrorReporter> real(ErrPtnr::instance());
        EXPECT_TRUE(closedBySignal(*window, SIGTERM, 2000));
    }
    EXPECT_EQ(modalsClosed(), modals) << "no error window waited for an answer";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), diary);
    QFile protocol(log);
    ASSERT_TRUE(protocol.open(QIODevice::ReadOnly)) << "the failures went to the error log";
    EXPECT_EQ(protocol.readAll().count("Form_Unload"), 2);
}
