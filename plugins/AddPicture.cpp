#include "AddPicture.h"

#include "IsPicturePlugin.h"
#include "PluginFiles.h"
#include "RegServe.h"
#include "errors/Trap.h"
#include "platform/ProgramInfo.h"
#include "platform/RuntimeError.h"
#include "platform/component/ComponentObject.h"
#include "platform/component/PluginLimits.h"

namespace zavolin {
namespace {

constexpr qint32 ObjectVariableNotSet = 91;

ComponentObject& held(const std::unique_ptr<ComponentObject>& object) {
    if (!object)
        raise(ObjectVariableNotSet,
              QStringLiteral("Object variable not set: no plug-in object could be created."));
    return *object;
}

} // namespace

void AddPicture(QString& AppPath, FileList& lstFiles, PluginList& cmbAuswahl) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("AddPicture"));
    std::unique_ptr<ComponentObject> object;
    trap.run([&] {
        trap.at(20, [&] { AppPath = programInfo().directory; });
        trap.at(30, [&] { lstFiles.setPath(AppPath); });
        trap.at(40, [&] { lstFiles.setPattern(PluginPattern); });
        int count = 0;
        trap.at(50, [&] { count = lstFiles.count(); });
        for (int i = 0; i < count; ++i) {
            // Everything one library runs while the program starts, its registration to its
            // Info, shares one step's limit: a faulty library holds the start up no longer.
            const PluginBudget budget;
            QString progId;
            trap.at(60, [&] { RegServe(libraryPath(AppPath, lstFiles.name(i)), true); });
            trap.at(70, [&] { progId = progIdOf(lstFiles.name(i)); });
            trap.at(80, [&] { object = createObject(progId); });
            trap.at(90, [&] {
                if (IsPicturePlugin(progId))
                    cmbAuswahl.addItem({variantText(held(object).call(QStringLiteral("Info"))), i});
            });
            // Label 100, the loop's end: the object is released before the next library, so
            // a failed creation cannot leave it standing in for that one.
            object.reset();
        }
    });
}

} // namespace zavolin
