#pragma once

#include "platform/files/FileList.h"
#include "platform/pictures/Picture.h"
#include "platform/pictures/PictureClip.h"
#include "plugins/PluginEntry.h"
#include "support/PluginFolder.h"

#include <QColor>
#include <QString>

namespace zavolin::test {

// A plug-in test with the main window's plug-in state.
class PluginStateTest : public PluginTest {
protected:
    void addPicture();
    // Chooses entry `entry` of cmbAuswahl and creates its picture set.
    void createPicture(int entry);

    QString AppPath;
    FileList lstFiles;
    PluginEntries cmbAuswahl;
    PictureClip clpPics;
};

// What a picture draws in the middle of a cell-sized image.
QColor centreColour(const Picture& picture);

} // namespace zavolin::test
