// A plug-in that crashes, hangs or answers nonsense in its host, between two good ones: the
// start-up and the choice of a set go on, and say what failed where a report is due.
#include "PluginState.h"
#include "support/PluginFaults.h"
#include "support/ScriptedReporter.h"

using namespace zavolin;
using namespace zavolin::test;

namespace {

class FaultyPlugin : public PluginStateTest, public ::testing::WithParamInterface<PluginFault> {};

} // namespace

TEST_P(FaultyPlugin, IsToldWhereADueReportSaysAndTheGoodSetsStillWork) {
    const PluginFault& fault = GetParam();
    const ScopedPluginLimit limit(ShortPluginLimitMs);
    addBetweenGoodOnes(fault.fixture);
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> replaced(reporter);

    addPicture();
    expectReport(reporter.reports, "AddPicture", fault.atStartUp);
    QList<PluginEntry> listed{{"Fixture ZavolinA", 0}};
    if (fault.listed)
        listed.append({"Fixture ZavolinB", 1});
    listed.append({"Fixture ZavolinC", 2});
    EXPECT_EQ(cmbAuswahl.entries(), listed);
    EXPECT_EQ(registered("ZavolinC.clsPicture"), folder() + "/ZavolinC.dll")
        << "the library after the faulty one is registered";

    createPicture(0);
    const auto first = clpPics.picture();
    ASSERT_NE(first, nullptr);
    if (fault.listed) {
        reporter.reports.clear();
        createPicture(1);
        expectReport(reporter.reports, "CreatePicture", fault.whenChosen);
        EXPECT_EQ(clpPics.picture(), first) << "the set in use stays in use";
    }

    reporter.reports.clear();
    createPicture(int(listed.size()) - 1);
    expectReport(reporter.reports, "CreatePicture", std::nullopt);
    ASSERT_NE(clpPics.picture(), nullptr);
    EXPECT_NE(clpPics.picture(), first);
    EXPECT_EQ(centreColour(*clpPics.GraphicCell(19)), fixtureColour(19));
    // Hosts that crashed, hung or were done have all ended.
    EXPECT_EQ(childProcesses(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultyPlugin, ::testing::ValuesIn(PluginFaults),
                         PluginFaultName());
