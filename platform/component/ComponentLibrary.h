#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <zavolin/plugin.h>

namespace zavolin {

// A component library loaded into the program: held open while an object of it lives.
class ComponentLibrary {
public:
    // Loads the library; raises CantCreateObject (naming the class asked for) when it cannot.
    static std::shared_ptr<ComponentLibrary> load(const QString& path, const QString& progId);
    ~ComponentLibrary();
    ComponentLibrary(const ComponentLibrary&) = delete;
    ComponentLibrary& operator=(const ComponentLibrary&) = delete;

    const QString& path() const { return m_path; }

    // The interface version the library is built for; nullopt when it does not say.
    std::optional<int> interfaceVersion() const;
    // Its factory; null when it has none.
    zv_create_object_fn factory() const;

private:
    ComponentLibrary(QString path, void* handle);

    QString m_path;
    void* m_handle;
};

} // namespace zavolin
