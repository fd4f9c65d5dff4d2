#pragma once

#include "platform/PictureLoader.h"

#include <QFile>
#include <memory>

namespace zavolin::bench {

// The classic picture set the program ships, read from the source tree; null when it cannot
// be read. For the benchmarks that build with its path.
inline std::shared_ptr<const Picture> classicSet() {
    QFile file(QStringLiteral(ZAVOLIN_CLASSIC_SVG));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return loadPicture(file.readAll());
}

} // namespace zavolin::bench
