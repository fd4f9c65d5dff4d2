#include "ComboPluginList.h"

#include "platform/base/RuntimeError.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace zavolin {
namespace {

// Where an entry keeps its own set's name and whether its library is in the user's plug-in
// folder; Qt::UserRole holds the library's position.
constexpr int OwnSetRole = Qt::UserRole + 1;
constexpr int UserLibraryRole = Qt::UserRole + 2;

} // namespace

void ComboPluginList::addItem(const PluginEntry& entry) {
    const QSignalBlocker quiet(m_list);
    const int selected = m_list->currentIndex();
    m_list->addItem(entry.Info, entry.position);
    m_list->setItemData(m_list->count() - 1, entry.ownSet, OwnSetRole);
    m_list->setItemData(m_list->count() - 1, entry.userLibrary, UserLibraryRole);
    m_list->setCurrentIndex(selected);
}

int ComboPluginList::listCount() const {
    return m_list->count();
}

PluginEntry ComboPluginList::item(int index) const {
    if (index < 0 || index >= m_list->count())
        raise(ErrNo::SubscriptOutOfRange,
              QStringLiteral("Subscript out of range: the picture-set list has no entry %1.")
                  .arg(index));
    return {m_list->itemText(index), m_list->itemData(index).toInt(),
            m_list->itemData(index, OwnSetRole).toString(),
            m_list->itemData(index, UserLibraryRole).toBool()};
}

int ComboPluginList::listIndex() const {
    return m_list->currentIndex();
}

void ComboPluginList::setListIndex(int index) {
    if (index < -1 || index >= m_list->count())
        raise(ErrNo::InvalidPropertyValue,
              QStringLiteral("Invalid property value: the picture-set list has no entry %1.")
                  .arg(index));
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentIndex(index);
}

void ComboPluginList::removeOwnSets() {
    const QSignalBlocker quiet(m_list);
    for (int i = m_list->count() - 1; i >= 0; --i)
        if (!m_list->itemData(i, OwnSetRole).toString().isEmpty())
            m_list->removeItem(i);
}

} // namespace zavolin
