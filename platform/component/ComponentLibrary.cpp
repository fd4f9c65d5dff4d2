#include "ComponentLibrary.h"

#include "platform/RuntimeError.h"

#include <QFile>
#include <dlfcn.h>

namespace zavolin {

ComponentLibrary::ComponentLibrary(QString path, void* handle)
    : m_path(std::move(path))
    , m_handle(handle) {}

std::shared_ptr<ComponentLibrary> ComponentLibrary::load(const QString& path,
                                                         const QString& progId) {
    // Every symbol resolved now, so that a library missing one fails here and not in a call.
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        raise(ErrNo::CantCreateObject,
              QStringLiteral("Cannot create an object of class \"%1\": its library %2 cannot be "
                             "loaded (%3).")
                  .arg(progId, path, why ? QString::fromLocal8Bit(why) : QStringLiteral("?")));
    }
    return std::shared_ptr<ComponentLibrary>(new ComponentLibrary(path, handle));
}

ComponentLibrary::~ComponentLibrary() {
    dlclose(m_handle);
}

std::optional<int> ComponentLibrary::interfaceVersion() const {
    const auto version =
        reinterpret_cast<zv_interface_version_fn>(dlsym(m_handle, ZV_VERSION_FUNCTION_NAME));
    if (!version)
        return std::nullopt;
    return version();
}

zv_create_object_fn ComponentLibrary::factory() const {
    return reinterpret_cast<zv_create_object_fn>(dlsym(m_handle, ZV_FACTORY_FUNCTION_NAME));
}

} // namespace zavolin
