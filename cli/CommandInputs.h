#pragma once

#include "SheetRequest.h"
#include "platform/pictures/Picture.h"

#include <QString>
#include <memory>

namespace zavolin {

// The banknote pictures the request names: a plug-in's set, an image file, or empty cells.
std::shared_ptr<const Picture> requestedPictures(const SheetRequest& request);

// Says what is wrong with the output's place before anything is drawn, so the message names
// the file rather than the drawing step that first touches it: a missing folder, or a folder,
// device, pipe or socket at the path.
void checkWritable(const QString& path);

// The CUPS queue to print on: the one --printer names, else the default; raises PrinterError
// when there is none to print on.
QString printQueue(const SheetRequest& request);

} // namespace zavolin
