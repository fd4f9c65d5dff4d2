#pragma once

#include "platform/pictures/PictureLoader.h"
#include "sheet/WholeSet.h"

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

// A whole set's pages (of the values given, each value once for each of its sheets), each front
// followed by its back, `copies` times, each page with a footnote as long as the program's own.
inline QList<PageRequest> numberedSetPages(int copies,
                                           const QList<qint16>& values = allSetValues()) {
    return withFootnotes(
        setFilePages(values, SetSides::TwoSided, {}, copies),
        [](qint16 Denom, qint16 Side, qsizetype n, qsizetype m) {
            return QStringLiteral("%1 \u00b7 %2 \u00b7 page %3 of %4 \u00b7 print at 100 %, flip "
                                  "on the long edge")
                .arg(Denom)
                .arg(Side == 0 ? "front" : "back")
                .arg(n)
                .arg(m);
        },
        [](double, double) { return QString(); });
}

} // namespace zavolin::bench
