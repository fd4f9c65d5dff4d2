// Running a library's registration entry points in the helper process.
#include "plugins/RegServe.h"

#include "support/PluginFolder.h"
#include "support/ScriptedReporter.h"

#include <QElapsedTimer>
#include <QFile>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Registration : public PluginTest {};

} // namespace

TEST_F(Registration, RunsTheRegisterAndUnregisterEntryPoints) {
    const QString path = add("ZavolinAccepted.dll", "ZavolinEuro.dll");
    RegServe(path, true);
    EXPECT_EQ(registered("ZavolinEuro.clsPicture"), path);
    RegServe(path, false);
    EXPECT_EQ(registered("ZavolinEuro.clsPicture"), QString());
    EXPECT_EQ(log(), QStringList({"ZavolinEuro.dll register", "ZavolinEuro.dll unregister"}));
}

TEST_F(Registration, PassesQuietlyOverLibrariesThatCannotServe) {
    // The test's own reporter fails the test on any report.
    QFile junk(folder() + "/ZavolinJunk.dll");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    const QString plain = add("ZavolinPlain.dll");
    const QString crashes = add("ZavolinCrashes.dll");
    // None of them may be waited for up to the limit: set far beyond any test's time-out, it
    // would keep this test from ending.
    ScopedPluginLimit endless(24 * 60 * 60 * 1000);

    RegServe(junk.fileName(), true);
    RegServe(folder() + "/ZavolinMissing.dll", true);
    RegServe(plain, true);
    RegServe(plain, false);
    RegServe(crashes, true);

    EXPECT_EQ(registered("ZavolinCrashes.clsPicture"), QString());
    EXPECT_EQ(log(), QStringList({"ZavolinCrashes.dll register"}));
    // The crash stayed in the helper; the library can still be unregistered.
    RegServe(crashes, false);
    EXPECT_EQ(logged("unregister"), QStringList({"ZavolinCrashes.dll"}));
}

TEST_F(Registration, StopsAnEntryPointThatDoesNotReturnAtTheLimit) {
    ScopedPluginLimit limit(ShortPluginLimitMs);
    const QString hangs = add("ZavolinHangs.dll");
    QElapsedTimer clock;
    clock.start();
    RegServe(hangs, true);
    // It ended although the entry point never returns: the helper was stopped, and not
    // before the limit.
    EXPECT_GE(clock.elapsed(), ShortPluginLimitMs);
    EXPECT_EQ(logged("register"), QStringList({"ZavolinHangs.dll"}));
    // What it did before it was stopped stands.
    EXPECT_EQ(registered("ZavolinHangs.clsPicture"), hangs);
}
