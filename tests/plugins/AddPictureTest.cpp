// Finding, registering, testing and listing the plug-ins beside the program.
#include "plugins/AddPicture.h"

#include "PluginState.h"
#include "plugins/CreatePicture.h"
#include "plugins/IsPicturePlugin.h"
#include "plugins/PluginFiles.h"
#include "plugins/RegServe.h"
#include "plugins/UnregisterPlugins.h"
#include "support/ScriptedReporter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Discovery : public PluginStateTest {};

QList<PluginEntry> entries(const PluginEntries& list) {
    return list.entries();
}

} // namespace

TEST(ProgIdRule, CutsTheFileNameAtItsFirstDot) {
    EXPECT_EQ(progIdOf("Zavolin.dll"), "Zavolin.clsPicture");
    EXPECT_EQ(progIdOf("ZavolinEuro.dll"), "ZavolinEuro.clsPicture");
    EXPECT_EQ(progIdOf("ZavolinEuro.v2.dll"), "ZavolinEuro.clsPicture");
    EXPECT_EQ(libraryPath("/opt/zavolin", "ZavolinEuro.dll"), "/opt/zavolin/ZavolinEuro.dll");
    // The separator is always added.
    EXPECT_EQ(libraryPath("/", "Zavolin.dll"), "//Zavolin.dll");
}

TEST_F(Discovery, WithoutLibrariesTheListStaysEmpty) {
    add("ZavolinAccepted.dll", "Zavolin.txt");
    addPicture();
    EXPECT_EQ(AppPath, folder());
    EXPECT_EQ(lstFiles.path(), folder());
    EXPECT_EQ(lstFiles.pattern(), "Zavolin*.dll");
    EXPECT_EQ(lstFiles.count(), 0);
    EXPECT_EQ(cmbAuswahl.listCount(), 0);
    EXPECT_EQ(log(), QStringList());
}

TEST_F(Discovery, ARejectedLibraryLeavesNoEntryAndTheNextPointsAtItsOwnPosition) {
    add("ZavolinLowerTyp.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    addPicture();

    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Fixture ZavolinB", 1}}));
    EXPECT_EQ(registered("ZavolinA.clsPicture"), folder() + "/ZavolinA.dll");
    EXPECT_FALSE(IsPicturePlugin("ZavolinA.clsPicture")) << "Typ in lower case";
    EXPECT_TRUE(IsPicturePlugin("ZavolinB.clsPicture"));
    EXPECT_FALSE(IsPicturePlugin("ZavolinC.clsPicture")) << "not registered";

    // One library after the other; each class made twice, each object asked one thing.
    const QStringList startUp = log().mid(0, 13);
    EXPECT_EQ(startUp, QStringList({
                           "ZavolinA.dll register",
                           "ZavolinA.dll create",
                           "ZavolinA.dll create",
                           "ZavolinA.dll call Typ",
                           "ZavolinA.dll release",
                           "ZavolinA.dll release",
                           "ZavolinB.dll register",
                           "ZavolinB.dll create",
                           "ZavolinB.dll create",
                           "ZavolinB.dll call Typ",
                           "ZavolinB.dll release",
                           "ZavolinB.dll call Info",
                           "ZavolinB.dll release",
                       }));
    EXPECT_EQ(logged("second-call"), QStringList());

    // Choosing the one entry creates B's picture set, not A's.
    const int before = int(log().size());
    createPicture(0);
    ASSERT_NE(clpPics.picture(), nullptr);
    EXPECT_EQ(log().mid(before),
              QStringList({"ZavolinB.dll create", "ZavolinB.dll call GetPicture",
                           "ZavolinB.dll arguments 1 1", "ZavolinB.dll release"}));
}

TEST_F(Discovery, EachLibraryIsLoadedOnceForItsRegistrationAndItsQuestions) {
    qputenv("ZAVOLIN_FIXTURE_LOG_LOADS", "1");
    const auto unset = qScopeGuard([] { qunsetenv("ZAVOLIN_FIXTURE_LOG_LOADS"); });
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    addPicture();
    EXPECT_EQ(cmbAuswahl.listCount(), 2);
    // One process a library: its registration ran in the host that then made its objects.
    QStringList loads = logged("load");
    loads.sort();
    EXPECT_EQ(loads, QStringList({"ZavolinA.dll", "ZavolinB.dll"}));
}

TEST_F(Discovery, ANameWithTwoDotsIsCutAtTheFirst) {
    add("ZavolinAccepted.dll", "ZavolinTwo.dots.dll");
    addPicture();
    EXPECT_EQ(registered("ZavolinTwo.clsPicture"), folder() + "/ZavolinTwo.dots.dll");
    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Fixture ZavolinTwo", 0}}));
    createPicture(0);
    EXPECT_NE(clpPics.picture(), nullptr);
}

TEST_F(Discovery, LibrariesThatDoNotRegisterFailAtLine80AndTheRestGoOn) {
    add("ZavolinPlain.dll", "ZavolinA.dll");   // no DllRegisterServer
    add("ZavolinCrashes.dll", "ZavolinB.dll"); // its registration crashes
    add("ZavolinAccepted.dll", "ZavolinC.dll");
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> replaced(reporter);
    addPicture();

    ASSERT_EQ(reporter.reports.size(), 2);
    for (const Report& report : reporter.reports) {
        EXPECT_EQ(report.module, "frmZavolin");
        EXPECT_EQ(report.procedure, "AddPicture");
        EXPECT_EQ(report.number, ErrNo::CantCreateObject);
        EXPECT_EQ(report.line, 80);
    }
    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Fixture ZavolinC", 2}}));
}

TEST_F(Discovery, CancelLeavesTheRemainingLibrariesAlone) {
    add("ZavolinPlain.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    ScriptedReporter reporter({Cancel});
    ScopedReplacement<ErrorReporter> replaced(reporter);
    addPicture();
    EXPECT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(cmbAuswahl.listCount(), 0);
    EXPECT_EQ(log(), QStringList());
    EXPECT_EQ(registered("ZavolinB.clsPicture"), QString());
}

TEST_F(Discovery, AnAcceptedPluginWithoutInfoFailsAtLine90AndIgnoreSkipsIt) {
    add("ZavolinNoInfo.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> replaced(reporter);
    addPicture();
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].number, ErrNo::MemberNotSupported);
    EXPECT_EQ(reporter.reports[0].line, 90);
    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Fixture ZavolinB", 1}}));
}

TEST_F(Discovery, ALibraryOfAnotherInterfaceVersionIsPassedOverQuietly) {
    // Any report would fail the test; a call into the library would abort it.
    add("ZavolinOtherVersion.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    addPicture();
    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Fixture ZavolinB", 1}}));
    EXPECT_EQ(logged("register"), QStringList({"ZavolinA.dll", "ZavolinB.dll"}));
    EXPECT_EQ(logged("create"), QStringList({"ZavolinB.dll", "ZavolinB.dll"}));
}

TEST_F(Discovery, AHangingRegistrationIsStoppedAtTheLimitAndStartUpGoesOn) {
    ScopedPluginLimit limit(ShortPluginLimitMs);
    add("ZavolinHangs.dll", "ZavolinA.dll"); // registers, then never returns
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    addPicture();
    // What it registered before it was stopped stands, the other library was registered,
    // created and tested after it, and the registry is whole.
    EXPECT_EQ(entries(cmbAuswahl),
              QList<PluginEntry>({{"Fixture ZavolinA", 0}, {"Fixture ZavolinB", 1}}));
    EXPECT_EQ(logged("register"), QStringList({"ZavolinA.dll", "ZavolinB.dll"}));
    // The stopped helper holds nothing back: the library unregisters as any other.
    RegServe(folder() + "/ZavolinA.dll", false);
    EXPECT_EQ(logged("unregister"), QStringList({"ZavolinA.dll"}));
    EXPECT_EQ(registered("ZavolinA.clsPicture"), QString());
}

TEST_F(Discovery, ALibraryThatSpendsItsLimitCostsTheStartOneLimitAndATenth) {
    ScopedPluginLimit limit(ShortPluginLimitMs);
    // Its registration takes 300 ms (support/CMakeLists.txt), then hangs, and it hangs again
    // when asked its Typ.
    constexpr qint64 SlowLoadMs = 300;
    add("ZavolinHangsTwice.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    QElapsedTimer clock;
    clock.start();
    addPicture();
    const qint64 took = clock.elapsed();
    // A was still asked what it is, and B was listed after it.
    EXPECT_EQ(logged("call Typ"), QStringList({"ZavolinA.dll", "ZavolinB.dll"}));
    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Fixture ZavolinB", 1}}));
    // Its load and registration share one limit, Typ gets a tenth of it, B takes a few
    // milliseconds. A registration given a whole limit after the slow part takes longer than
    // this, and a Typ given a whole limit longer still.
    EXPECT_LT(took, SlowLoadMs + ShortPluginLimitMs);
}

TEST_F(Discovery, ALibraryReadyLaterIsStillToldOfBeforeTheOnesAfterIt) {
    ScopedPluginLimit limit(ShortPluginLimitMs);
    // A's helpers spend the whole limit loading it; B's, started at the same time, are ready at
    // once.
    add("ZavolinHangInLoad.dll", "ZavolinA.dll");
    add("ZavolinNoInfo.dll", "ZavolinB.dll");
    add("ZavolinAccepted.dll", "ZavolinC.dll");
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> replaced(reporter);
    addPicture();
    ASSERT_EQ(reporter.reports.size(), 2);
    EXPECT_EQ(reporter.reports[0].line, 80);
    EXPECT_TRUE(reporter.reports[0].description.contains("ZavolinA.clsPicture"));
    EXPECT_EQ(reporter.reports[1].line, 90);
    EXPECT_TRUE(reporter.reports[1].description.contains("ZavolinB.clsPicture"));
    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Fixture ZavolinC", 2}}));
    EXPECT_EQ(childProcesses(), QStringList()) << "a helper started ahead outlived the start";
}

TEST_F(Discovery, TheSdkExampleIsAPictureSet) {
    copyLibrary(ZAVOLIN_EXAMPLE_PLUGIN, folder() + "/ZavolinExample.dll");
    addPicture();
    EXPECT_EQ(entries(cmbAuswahl), QList<PluginEntry>({{"Example picture set", 0}}));
    createPicture(0);
    ASSERT_NE(clpPics.picture(), nullptr);
    EXPECT_EQ(clpPics.picture()->size(), QSizeF(800, 2080));
    // Cells of the notes' proportions: 100 x 52.
    EXPECT_EQ(clpPics.GraphicCell(19)->size(), QSizeF(400, 208));
}

TEST_F(Discovery, TheUserFolderFollowsTheProgramFolderAndCannotTakeItsClasses) {
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    const QString userFolder = userPluginFolder();
    ASSERT_TRUE(QDir().mkpath(userFolder));
    const QString fixture = fixturesFolder() + "/ZavolinAccepted.dll";
    copyLibrary(fixture, userFolder + "/ZavolinA.dll");
    // Another file name, the program's class: it must not take over the program's set.
    copyLibrary(fixture, userFolder + "/ZAVOLINB.v2.dll");

    addPicture();
    QString UserPath;
    FileList lstUserFiles;
    AddUserPicture(UserPath, lstUserFiles, lstFiles, cmbAuswahl);

    EXPECT_EQ(UserPath, userFolder);
    EXPECT_EQ(entries(cmbAuswahl),
              QList<PluginEntry>({{"Fixture ZavolinB", 0}, {"Fixture ZavolinA", 0, {}, true}}));
    EXPECT_EQ(logged("register"), QStringList({"ZavolinB.dll", "ZavolinA.dll"}));
    EXPECT_EQ(registered("ZavolinB.clsPicture"), folder() + "/ZavolinB.dll");
    EXPECT_EQ(registered("ZavolinA.clsPicture"), userFolder + "/ZavolinA.dll");

    cmbAuswahl.setListIndex(1);
    CreatePicture(lstUserFiles, cmbAuswahl, clpPics);
    ASSERT_NE(clpPics.picture(), nullptr);

    UnregisterPlugins(AppPath, lstFiles);
    UnregisterUserPlugins(UserPath, lstUserFiles, lstFiles);
    EXPECT_EQ(logged("unregister"), QStringList({"ZavolinB.dll", "ZavolinA.dll"}));
    EXPECT_EQ(registered("ZavolinA.clsPicture"), QString());
}

TEST_F(Discovery, WithoutAUserFolderNothingMoreIsListed) {
    addPicture();
    QString UserPath;
    FileList lstUserFiles;
    AddUserPicture(UserPath, lstUserFiles, lstFiles, cmbAuswahl);
    EXPECT_EQ(cmbAuswahl.listCount(), 0);
    EXPECT_EQ(lstUserFiles.count(), 0);
    UnregisterUserPlugins(UserPath, lstUserFiles, lstFiles);
    EXPECT_EQ(log(), QStringList());
}
