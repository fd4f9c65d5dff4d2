#pragma once

#include <QList>
#include <QString>

namespace zavolin {

// One entry of the picture-set list: the plug-in's Info text and the position of its library
// in the file list (the program folder's, or the user plug-in folder's when userLibrary); or,
// after the plug-ins' entries, one of the user's own sets: its text, no library (-1) and the
// set's name.
struct PluginEntry {
    PluginEntry() = default;
    PluginEntry(QString info, int libraryPosition, QString ownSetName = {},
                bool inUserFolder = false)
        : Info(std::move(info))
        , position(libraryPosition)
        , ownSet(std::move(ownSetName))
        , userLibrary(inUserFolder) {}

    QString Info;
    int position = -1;
    QString ownSet;
    bool userLibrary = false;

    friend bool operator==(const PluginEntry&, const PluginEntry&) = default;
};

// The picture-set list cmbAuswahl as the plug-in procedures see it: the window puts its
// drop-down list behind this, the headless command a plain list.
class PluginList {
public:
    virtual ~PluginList() = default;
    // Appends an entry; selects nothing.
    virtual void addItem(const PluginEntry& entry) = 0;
    virtual int listCount() const = 0;
    virtual PluginEntry item(int index) const = 0;
    // The chosen entry, -1 for none.
    virtual int listIndex() const = 0;
};

// A picture-set list without a window.
class PluginEntries : public PluginList {
public:
    void addItem(const PluginEntry& entry) override { m_entries.append(entry); }
    int listCount() const override { return int(m_entries.size()); }
    // Raises SubscriptOutOfRange outside 0..listCount() - 1.
    PluginEntry item(int index) const override;
    int listIndex() const override { return m_listIndex; }
    // Raises InvalidPropertyValue outside -1..listCount() - 1.
    void setListIndex(int index);

    const QList<PluginEntry>& entries() const { return m_entries; }

private:
    QList<PluginEntry> m_entries;
    int m_listIndex = -1;
};

} // namespace zavolin
