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

void CreateChosenPicture(const FileList& lstFiles, const PluginList& cmbAuswahl,
                         PictureClip& clpPics) {
    const int chosen = cmbAuswahl.listIndex();
    if (chosen >= 0) {
        if (const QString own = cmbAuswahl.item(chosen).ownSet; !own.isEmpty()) {
            clpPics.setPicture(loadOwnSet(own));
            return;
        }
    }
    CreatePicture(lstFiles, cmbAuswahl, clpPics);
}

} // namespace zavolin
