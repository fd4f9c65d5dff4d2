#pragma once

#include "platform/base/RuntimeError.h"
#include "platform/pictures/Picture.h"

#include <QByteArray>
#include <memory>

namespace zavolin {

// The most memory, in MB, that the pixels of one raster picture may take (8000 × 20000 pixels
// of four bytes fit).
inline constexpr int MaxRasterMegabytes = 1024;

// A picture from its encoded bytes: PNG or JPEG (raster), SVG or compressed SVG (vector).
// Raises InvalidPicture for anything that cannot be read as one of them.
std::shared_ptr<const Picture> loadPicture(const QByteArray& bytes);

// loadPicture for a picture set, whose cells are wanted next: an SVG set's cells are read on
// another thread from the moment the set is found fit, while the whole is read here.
std::shared_ptr<const Picture> loadPictureSet(const QByteArray& bytes);

} // namespace zavolin
