#include "IsPicturePlugin.h"

#include "PluginFiles.h"
#include "platform/component/ComponentObject.h"

#include <exception>

namespace zavolin {

bool IsPicturePlugin(const QString& progId) {
    try {
        const std::unique_ptr<ComponentObject> object = createObject(progId);
        const ComVariant typ = object->call(QStringLiteral("Typ"));
        // A Typ that is not text fails the test, whatever it would read as.
        const QString* text = std::get_if<QString>(&typ);
        return text && *text == PluginTypeTag;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace zavolin
