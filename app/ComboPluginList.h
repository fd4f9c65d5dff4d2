#pragma once

#include "plugins/PluginEntry.h"

class QComboBox;

namespace zavolin {

// The picture-set list as the plug-in procedures see it, over the window's drop-down list:
// each entry shows the plug-in's Info text and keeps its library's position as item data.
class ComboPluginList : public PluginList {
public:
    explicit ComboPluginList(QComboBox* list = nullptr)
        : m_list(list) {}

    // Appends quietly and selects nothing: Qt's list would select its first entry by itself
    // and report that as a change.
    void addItem(const PluginEntry& entry) override;
    int listCount() const override;
    // Raises SubscriptOutOfRange outside 0..listCount() - 1.
    PluginEntry item(int index) const override;
    int listIndex() const override;
    // Selects the entry without running any handler; the caller runs the click handler.
    // Raises InvalidPropertyValue outside -1..listCount() - 1.
    void setListIndex(int index);
    // Removes the own sets' entries, quietly; the plug-ins' stay as they are.
    void removeOwnSets();

private:
    QComboBox* m_list;
};

} // namespace zavolin
