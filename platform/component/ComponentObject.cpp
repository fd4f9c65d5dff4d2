#include "ComponentObject.h"

#include "ClassRegistry.h"
#include "HostedObject.h"
#include "PluginHost.h"
#include "RefusedObject.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureLoader.h"

#include <zavolin/plugin.h>

namespace zavolin {
namespace {

[[noreturn]] void cannotCreate(const QString& progId, const QString& why) {
    raise(ErrNo::CantCreateObject,
          QStringLiteral("Cannot create an object of class \"%1\": %2").arg(progId, why));
}

} // namespace

std::unique_ptr<ComponentObject> createObject(const QString& progId) {
    const RegisteredClass registered = registeredClass(progId);
    const QString& path = registered.library;
    if (path.isEmpty())
        cannotCreate(progId, QStringLiteral("the class is not registered."));
    // The library is loaded, asked and called in its host only: a crash or a hang there ends
    // the host, not the program.
    std::shared_ptr<PluginHost> host = PluginHost::of(path, progId);

    const std::optional<int> version = host->interfaceVersion();
    if (!version)
        cannotCreate(progId, QStringLiteral("its library %1 is no Zavolin component library (it "
                                            "has no %2).")
                                 .arg(path, QLatin1String(ZV_VERSION_FUNCTION_NAME)));
    if (*version != ZV_INTERFACE_VERSION)
        return std::make_unique<RefusedObject>(progId, path, *version);

    if (!host->hasFactory())
        cannotCreate(progId, QStringLiteral("its library %1 has no %2.")
                                 .arg(path, QLatin1String(ZV_FACTORY_FUNCTION_NAME)));
    const PluginHost::Created created = host->create(registered.className, progId);
    if (created.object)
        return std::make_unique<HostedObject>(progId, std::move(host), *created.object);
    cannotCreate(progId, QStringLiteral("its library %1 does not make class %2 (status %3).")
                             .arg(path, registered.className)
                             .arg(created.status));
}

std::shared_ptr<const Picture> callPicture(ComponentObject& object, const QString& member,
                                           const QList<ComVariant>& arguments) {
    const ComVariant result = object.call(member, arguments);
    const auto* picture = std::get_if<PictureBytes>(&result);
    if (!picture)
        raise(ErrNo::TypeMismatch,
              QStringLiteral("Type mismatch: %1 returned %2 where a picture was expected.")
                  .arg(member, variantKind(result)));
    return loadPictureSet(picture->bytes);
}

} // namespace zavolin
