// Giving the libraries back at shutdown.
#include "plugins/UnregisterPlugins.h"

#include "PluginState.h"
#include "support/ScriptedReporter.h"

using namespace zavolin;
using namespace zavolin::test;

namespace {

class Shutdown : public PluginStateTest {};

} // namespace

TEST_F(Shutdown, EveryMatchingLibraryIsUnregisteredInListOrderAcceptedOrNot) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    add("ZavolinLowerTyp.dll", "ZavolinB.dll");
    add("ZavolinOtherVersion.dll", "ZavolinC.dll");
    add("ZavolinStringPicture.dll", "ZavolinD.dll");
    addPicture();
    ASSERT_EQ(cmbAuswahl.listCount(), 2);
    for (const char* progId : {"ZavolinA", "ZavolinB", "ZavolinC", "ZavolinD"})
        ASSERT_FALSE(registered(QLatin1String(progId) + ".clsPicture").isEmpty()) << progId;

    UnregisterPlugins(AppPath, lstFiles);
    EXPECT_EQ(logged("unregister"),
              QStringList({"ZavolinA.dll", "ZavolinB.dll", "ZavolinC.dll", "ZavolinD.dll"}));
    for (const char* progId : {"ZavolinA", "ZavolinB", "ZavolinC", "ZavolinD"})
        EXPECT_EQ(registered(QLatin1String(progId) + ".clsPicture"), QString()) << progId;
}

TEST_F(Shutdown, WithoutLibrariesNothingIsUnregistered) {
    addPicture();
    UnregisterPlugins(AppPath, lstFiles);
    EXPECT_EQ(log(), QStringList());
}
