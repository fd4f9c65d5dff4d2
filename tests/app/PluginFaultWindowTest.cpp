// The main window with plug-ins that fail in their host, and with the headless command run
// beside it on the same plug-ins.
#include "WindowFixture.h"
#include "support/PluginFaults.h"
#include "support/ProgramRun.h"
#include "support/ScriptedReporter.h"
#include "ui_frmZavolin.h"

using namespace zavolin;
using namespace zavolin::test;

namespace {

class FaultyPluginWindow : public WindowTest, public ::testing::WithParamInterface<PluginFault> {};

class CommandBesideWindow : public WindowTest {};

QStringList shownSets(const QComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    return names;
}

} // namespace

TEST_P(FaultyPluginWindow, StartsWithAGoodSetAndKeepsTheSetInUseWhenTheFaultyOneFails) {
    const PluginFault& fault = GetParam();
    const ScopedPluginLimit limit(ShortPluginLimitMs);
    addBetweenGoodOnes(fault.fixture);
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> replaced(reporter);

    const auto window = load();
    expectReport(reporter.reports, "AddPicture", fault.atStartUp);
    EXPECT_TRUE(window->isVisible());
    QComboBox* sets = window->ui().cmbAuswahl;
    EXPECT_EQ(shownSets(sets),
              fault.listed
                  ? QStringList({"Fixture ZavolinA", "Fixture ZavolinB", "Fixture ZavolinC"})
                  : QStringList({"Fixture ZavolinA", "Fixture ZavolinC"}));
    const auto first = window->clpPics.picture();
    ASSERT_NE(first, nullptr) << "the first set is in use";

    if (fault.listed) {
        reporter.reports.clear();
        pickNext(sets);
        ASSERT_EQ(sets->currentIndex(), 1);
        expectReport(reporter.reports, "CreatePicture", fault.whenChosen);
        EXPECT_EQ(window->clpPics.picture(), first);
    }

    reporter.reports.clear();
    pickNext(sets);
    EXPECT_EQ(sets->currentText(), "Fixture ZavolinC");
    expectReport(reporter.reports, "CreatePicture", std::nullopt);
    ASSERT_NE(window->clpPics.picture(), nullptr);
    EXPECT_NE(window->clpPics.picture(), first);
    EXPECT_EQ(logged("call GetPicture").count("ZavolinC.dll"), 1);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultyPluginWindow, ::testing::ValuesIn(PluginFaults),
                         PluginFaultName());

TEST_F(CommandBesideWindow, ListingTheSetsLeavesTheWindowsClassesRegistered) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    const QString command = addSheetCommand();
    const auto window = load();
    ASSERT_EQ(registered("ZavolinB.clsPicture"), folder() + "/ZavolinB.dll");

    // The same plug-ins and the same environment, the window's registry too.
    const ProgramRun run = runProgram(command, {"--list-picture-sets"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(run.output, "Fixture ZavolinA\nFixture ZavolinB\n");
    EXPECT_EQ(run.errorLines(), QStringList());
    EXPECT_EQ(logged("unregister"), QStringList({"ZavolinA.dll", "ZavolinB.dll"}))
        << "the command unregistered what it registered";

    EXPECT_EQ(registered("ZavolinA.clsPicture"), folder() + "/ZavolinA.dll");
    EXPECT_EQ(registered("ZavolinB.clsPicture"), folder() + "/ZavolinB.dll");
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> replaced(reporter);
    const auto first = window->clpPics.picture();
    pickNext(window->ui().cmbAuswahl);
    EXPECT_EQ(window->ui().cmbAuswahl->currentIndex(), 1);
    expectReport(reporter.reports, "CreatePicture", std::nullopt);
    EXPECT_EQ(logged("call GetPicture").count("ZavolinB.dll"), 1);
    ASSERT_NE(window->clpPics.picture(), nullptr);
    EXPECT_NE(window->clpPics.picture(), first);
}
