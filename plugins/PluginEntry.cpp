#include "PluginEntry.h"

#include "platform/base/RuntimeError.h"

namespace zavolin {

PluginEntry PluginEntries::item(int index) const {
    if (index < 0 || index >= listCount())
        raise(ErrNo::SubscriptOutOfRange,
              QStringLiteral("Subscript out of range: the picture-set list has no entry %1.")
                  .arg(index));
    return m_entries[index];
}

void PluginEntries::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        raise(ErrNo::InvalidPropertyValue,
              QStringLiteral("Invalid property value: the picture-set list has no entry %1.")
                  .arg(index));
    m_listIndex = index;
}

} // namespace zavolin
