#include "OwnSetEntries.h"

#include "ownsets/OwnSetStore.h"
#include "plugins/CreatePicture.h"

#include <QCoreApplication>

namespace zavolin {

void appendOwnSets(PluginList& cmbAuswahl) {
    for (const QString& name : ownSetNames())
        cmbAuswahl.addItem(
            {QCoreApplication::translate("OwnSets", "%1 (own)").arg(name), -1, name});
}

void selectLibrary(FileList& lstFiles, FileList& lstUserFiles, const PluginEntry& entry) {
    if (entry.userLibrary) {
        lstUserFiles.setListIndex(entry.position);
        lstFiles.setListIndex(-1);
    } else {
        lstFiles.setListIndex(entry.position);
        lstUserFiles.setListIndex(-1);
    }
}

void CreateChosenPicture(const FileList& lstFiles, const FileList& lstUserFiles,
                         const PluginList& cmbAuswahl, PictureClip& clpPics) {
    const int chosen = cmbAuswahl.listIndex();
    if (chosen < 0) {
        CreatePicture(lstFiles, cmbAuswahl, clpPics);
        return;
    }
    const PluginEntry entry = cmbAuswahl.item(chosen);
    if (!entry.ownSet.isEmpty())
        clpPics.setPicture(loadOwnSet(entry.ownSet));
    else
        CreatePicture(libraryList(entry, lstFiles, lstUserFiles), cmbAuswahl, clpPics);
}

} // namespace zavolin
