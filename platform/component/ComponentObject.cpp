#include "ComponentObject.h"

#include "ClassRegistry.h"
#include "ComponentLibrary.h"
#include "NativeObject.h"
#include "RefusedObject.h"
#include "platform/PictureLoader.h"
#include "platform/RuntimeError.h"

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
    std::shared_ptr<ComponentLibrary> library = ComponentLibrary::load(path, progId);

    const std::optional<int> version = library->interfaceVersion();
    if (!version)
        cannotCreate(progId, QStringLiteral("its library %1 is no Zavolin component library (it "
                                            "has no %2).")
                                 .arg(path, QLatin1String(ZV_VERSION_FUNCTION_NAME)));
    if (*version != ZV_INTERFACE_VERSION)
        return std::make_unique<RefusedObject>(progId, path, *version);

    const zv_create_object_fn factory = library->factory();
    if (!factory)
        cannotCreate(progId, QStringLiteral("its library %1 has no %2.")
                                 .arg(path, QLatin1String(ZV_FACTORY_FUNCTION_NAME)));
    zv_object* object = nullptr;
    const int32_t status = factory(registered.className.toUtf8().constData(), &object);
    if (status == ZV_OK && object && object->vtbl)
        return std::make_unique<NativeObject>(progId, std::move(library), object);
    // A factory that failed but made something all the same: given back while its library
    // is still loaded.
    if (object && object->vtbl && object->vtbl->release)
        object->vtbl->release(object);
    cannotCreate(progId, QStringLiteral("its library %1 does not make class %2 (status %3).")
                             .arg(path, registered.className)
                             .arg(status));
}

std::shared_ptr<const Picture> callPicture(ComponentObject& object, const QString& member,
                                           const QList<ComVariant>& arguments) {
    const ComVariant result = object.call(member, arguments);
    const auto* picture = std::get_if<PictureBytes>(&result);
    if (!picture)
        raise(ErrNo::TypeMismatch,
              QStringLiteral("Type mismatch: %1 returned %2 where a picture was expected.")
                  .arg(member, variantKind(result)));
    return loadPicture(picture->bytes);
}

} // namespace zavolin
