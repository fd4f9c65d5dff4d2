#pragma once

#include "Picture.h"
#include "RuntimeError.h"

#include <QByteArray>
#include <memory>

namespace zavolin {

// A picture from its encoded bytes: PNG or JPEG (raster), SVG or compressed SVG (vector).
// Raises InvalidPicture for anything that cannot be read as one of them.
std::shared_ptr<const Picture> loadPicture(const QByteArray& bytes);

} // namespace zavolin
