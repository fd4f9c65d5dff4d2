#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace zavolin {

// The back a set gets where it has none of its own: white, a grey frame, the value large in
// its middle.
QImage plainBack(const QString& value, QSize size);

} // namespace zavolin
