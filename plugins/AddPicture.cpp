#include "AddPicture.h"

#include "IsPicturePlugin.h"
#include "PluginFiles.h"
#include "RegServe.h"
#include "errors/Trap.h"
#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/component/ComponentObject.h"
#include "platform/component/HelperStart.h"
#include "platform/component/PluginHost.h"
#include "platform/component/PluginLimits.h"
#include "platform/component/TrustedLibrary.h"

#include <QFileInfo>
#include <functional>

namespace zavolin {
namespace {

constexpr qint32 ObjectVariableNotSet = 91;

ComponentObject& held(const std::unique_ptr<ComponentObject>& object) {
    if (!object)
        raise(ObjectVariableNotSet,
              QStringLiteral("Object variable not set: no plug-in object could be created."));
    return *object;
}

// Registers, tests and lists every library of lstFiles in `folder`, in list order, passing
// over those `passOver` names; the labels are AddPicture's.
void listLibraries(Trap& trap, const QString& folder, const FileList& lstFiles,
                   PluginList& cmbAuswahl, bool userLibraries,
                   const std::function<bool(const QString&)>& passOver) {
    std::unique_ptr<ComponentObject> object;
    int count = 0;
    trap.at(50, [&] { count = lstFiles.count(); });
    // Each library's helpers start at once and load it side by side with the others'; the loop
    // takes them in list order, so what it runs and tells, and each library's budget, stay
    // as they were.
    QStringList libraries;
    for (int i = 0; i < count; ++i)
        if (!passOver || !passOver(lstFiles.name(i)))
            libraries << libraryPath(folder, lstFiles.name(i));
    const HelperPrestart prestart(folder, libraries);
    // A library is asked what it is in the host its registration ran in.
    const HostKeepAlive registeredHosts;
    for (int i = 0; i < count; ++i) {
        if (passOver && passOver(lstFiles.name(i)))
            continue;
        // Everything one library runs while the program starts, its registration to its
        // Info, shares one step's limit: a faulty library holds the start up no longer.
        const PluginBudget budget;
        QString progId;
        const QString library = libraryPath(folder, lstFiles.name(i));
        bool trusted = false;
        trap.at(60, [&] {
            // A library others could have changed is told here, once, and passed over before
            // any of its code runs; a retry judges it again.
            if (const QString why = untrustedReason(library, folder); !why.isEmpty())
                raise(ErrNo::PathFileAccessError, why + QLatin1Char('.'));
            trusted = true;
            RegServe(library, true);
        });
        if (!trusted)
            continue;
        trap.at(70, [&] { progId = progIdOf(lstFiles.name(i)); });
        trap.at(80, [&] { object = createObject(progId); });
        trap.at(90, [&] {
            if (IsPicturePlugin(progId))
                cmbAuswahl.addItem(
                    {variantText(held(object).call(QStringLiteral("Info"))), i, {}, userLibraries});
        });
        // Label 100, the loop's end: the object is released before the next library, so
        // a failed creation cannot leave it standing in for that one.
        object.reset();
    }
}

} // namespace

void AddPicture(QString& AppPath, FileList& lstFiles, PluginList& cmbAuswahl) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("AddPicture"));
    trap.run([&] {
        trap.at(20, [&] { AppPath = programInfo().directory; });
        trap.at(30, [&] { lstFiles.setPath(AppPath); });
        trap.at(40, [&] { lstFiles.setPattern(PluginPattern); });
        listLibraries(trap, AppPath, lstFiles, cmbAuswahl, false, {});
    });
}

void AddUserPicture(QString& UserPath, FileList& lstUserFiles, const FileList& lstFiles,
                    PluginList& cmbAuswahl) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("AddPicture"));
    trap.run([&] {
        trap.at(20, [&] { UserPath = userPluginFolder(); });
        // Most users have none: nothing to list, nothing to report.
        if (!QFileInfo(UserPath).isDir())
            return;
        trap.at(30, [&] { lstUserFiles.setPath(UserPath); });
        trap.at(40, [&] { lstUserFiles.setPattern(PluginPattern); });
        listLibraries(trap, UserPath, lstUserFiles, cmbAuswahl, true,
                      [&](const QString& name) { return shadowedByProgramFolder(name, lstFiles); });
    });
}

} // namespace zavolin
