#pragma once

#include "platform/pictures/Picture.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zavolin {

// The picture sets of the plug-ins beside the command, reached the way the program reaches
// them: found, registered, tested and listed as at its start-up, and unregistered again as
// when it closes, also when the command fails on the way.

// The Info texts of the accepted plug-ins, in list order, then the user's own sets' names
// marked " (own)".
QStringList listPictureSets();

// The picture set of one accepted plug-in or of the user's own: `choice` is its position in
// that list, counted from 1, a plug-in's Info text or an own set's name. Raises
// InvalidPropertyValue when there is no such set.
std::shared_ptr<const Picture> pluginPictureSet(const QString& choice);

} // namespace zavolin
