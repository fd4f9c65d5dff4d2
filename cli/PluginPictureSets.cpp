#include "PluginPictureSets.h"

#include "errors/ConsoleReporter.h"
#include "ownsets/OwnSetStore.h"
#include "platform/base/RuntimeError.h"
#include "platform/files/FileList.h"
#include "platform/pictures/PictureClip.h"
#include "plugins/AddPicture.h"
#include "plugins/CreatePicture.h"
#include "plugins/UnregisterPlugins.h"

#include <QRegularExpression>

namespace zavolin {
namespace {

// The plug-ins registered and listed for as long as it lives.
class PluginSession {
public:
    PluginSession() = default;
    // Not in the constructor: when a failure ends the command half way through, the
    // destructor still unregisters what was registered so far. A library that fails is told
    // in its line and passed over, as ignoring it in the window would: the others are still
    // listed.
    void start() {
        ConsoleReporter passOver(QStringLiteral("zavolin-sheet"), Ignore);
        const ScopedReplacement<ErrorReporter> reporting(passOver);
        AddPicture(m_appPath, m_lstFiles, m_cmbAuswahl);
        AddUserPicture(m_userPath, m_lstUserFiles, m_lstFiles, m_cmbAuswahl);
    }
    ~PluginSession() {
        // Runs while a failure unwinds too; a failure of its own has been reported already.
        try {
            UnregisterPlugins(m_appPath, m_lstFiles);
            UnregisterUserPlugins(m_userPath, m_lstUserFiles, m_lstFiles);
        } catch (...) {
        }
    }
    PluginSession(const PluginSession&) = delete;
    PluginSession& operator=(const PluginSession&) = delete;

    PluginEntries& entries() { return m_cmbAuswahl; }
    // The file list the chosen entry's library is in.
    const FileList& filesOfChoice() {
        return libraryList(m_cmbAuswahl.item(m_cmbAuswahl.listIndex()), m_lstFiles, m_lstUserFiles);
    }

private:
    QString m_appPath;
    FileList m_lstFiles;
    QString m_userPath;
    FileList m_lstUserFiles;
    PluginEntries m_cmbAuswahl;
};

QStringList infoTexts(const PluginEntries& entries) {
    QStringList texts;
    for (const PluginEntry& entry : entries.entries())
        texts << entry.Info;
    return texts;
}

// Which set `choice` names: a plug-in's position in the list (from 1) or its Info text, or an
// own set's position after the plug-ins' or its name. The own set's name, or "" for a plug-in
// set chosen in the entries.
QString choose(PluginEntries& entries, const QString& choice) {
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,9}$"));
    const int count = entries.listCount();
    const QStringList own = ownSetNames();
    const int all = count + int(own.size());
    if (number.match(choice).hasMatch()) {
        const int position = choice.toInt();
        if (position >= 1 && position <= count) {
            entries.setListIndex(position - 1);
            return {};
        }
        if (position > count && position <= all)
            return own[position - count - 1];
        raise(ErrNo::InvalidPropertyValue,
              all == 0 ? QStringLiteral("there is no picture set %1: no picture set is "
                                        "installed beside the command and none of your own")
                             .arg(choice)
                       : QStringLiteral("there is no picture set %1 (1 to %2, see "
                                        "--list-picture-sets)")
                             .arg(choice)
                             .arg(all));
    }
    if (const qsizetype found = infoTexts(entries).indexOf(choice); found >= 0) {
        entries.setListIndex(int(found));
        return {};
    }
    if (own.contains(choice))
        return choice;
    raise(ErrNo::InvalidPropertyValue,
          QStringLiteral("there is no picture set \"%1\" (see --list-picture-sets)").arg(choice));
}

} // namespace

QStringList listPictureSets() {
    PluginSession session;
    session.start();
    QStringList names = infoTexts(session.entries());
    for (const QString& own : ownSetNames())
        names << QStringLiteral("%1 (own)").arg(own);
    return names;
}

std::shared_ptr<const Picture> pluginPictureSet(const QString& choice) {
    PluginSession session;
    session.start();
    if (const QString own = choose(session.entries(), choice); !own.isEmpty())
        return loadOwnSet(own);
    PictureClip clpPics;
    CreatePicture(session.filesOfChoice(), session.entries(), clpPics);
    if (!clpPics.picture())
        raise(ErrNo::InvalidPicture,
              QStringLiteral("the picture set \"%1\" gave no picture")
                  .arg(session.entries().item(session.entries().listIndex()).Info));
    return clpPics.picture();
}

} // namespace zavolin
