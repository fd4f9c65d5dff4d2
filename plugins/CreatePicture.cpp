#include "CreatePicture.h"

#include "PluginFiles.h"
#include "errors/Trap.h"
#include "platform/base/RuntimeError.h"
#include "platform/component/ComponentObject.h"

namespace zavolin {
namespace {

constexpr qint32 ObjectVariableNotSet = 91;

} // namespace

void CreatePicture(const FileList& lstFiles, const PluginList& cmbAuswahl, PictureClip& clpPics) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("CreatePicture"));
    // Released when the procedure ends, however it ends.
    std::unique_ptr<ComponentObject> object;
    trap.run([&] {
        if (trap.test(20, [&] { return cmbAuswahl.listIndex() == -1; }))
            return;
        QString name;
        trap.at(30,
                [&] { name = lstFiles.name(cmbAuswahl.item(cmbAuswahl.listIndex()).position); });
        QString progId;
        trap.at(40, [&] { progId = progIdOf(name); });
        trap.at(50, [&] { object = createObject(progId); });
        trap.at(60, [&] {
            if (!object)
                raise(ObjectVariableNotSet,
                      QStringLiteral("Object variable not set: no plug-in object could be "
                                     "created."));
            clpPics.setPicture(
                callPicture(*object, QStringLiteral("GetPicture"), {qint16(1), qint16(1)}));
        });
        trap.at(70, [&] { object.reset(); });
    });
}

} // namespace zavolin
