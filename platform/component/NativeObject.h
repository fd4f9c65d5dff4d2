#pragma once

#include "ComponentLibrary.h"
#include "ComponentObject.h"

#include <zavolin/plugin.h>

namespace zavolin {

// An object made by a library's factory: calls go through its function table, values cross
// as zv_variant, and the library stays loaded until the object is released.
class NativeObject : public ComponentObject {
public:
    NativeObject(QString progId, std::shared_ptr<ComponentLibrary> library, zv_object* object);
    ~NativeObject() override;
    NativeObject(const NativeObject&) = delete;
    NativeObject& operator=(const NativeObject&) = delete;

    ComVariant call(const QString& member, const QList<ComVariant>& arguments = {}) override;

private:
    [[noreturn]] void fail(const QString& member, int32_t status, const ComVariant& said) const;

    QString m_progId;
    std::shared_ptr<ComponentLibrary> m_library;
    zv_object* m_object;
};

} // namespace zavolin
