#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace zavolin {

// The largest SVG text read, compressed or not: far more than any picture set needs.
inline constexpr qsizetype MaxSvgBytes = 64 * 1024 * 1024;

// The text of an SVG document, inflated when it is gzip-compressed; empty when it cannot be
// inflated or would be longer than MaxSvgBytes.
QByteArray svgText(const QByteArray& bytes);

// Whether the image readers would read the bytes as SVG (or compressed SVG), whatever their
// start looks like.
bool readAsSvg(const QByteArray& bytes);

// Why an SVG document (plain or gzip-compressed) is not to be given to the SVG reader; empty
// when it may be. The reader follows what the document names: a picture or style sheet in
// another file is read from disk (a FIFO hangs it, a file refers back to itself without end,
// any file the user can read ends up in the output), and `<use>` elements may refer to each
// other in a cycle or multiply into more drawing than any time allows. So a document is refused
// when it refers to anything outside itself (only `data:` pictures are read, and an SVG among
// them is checked in turn), declares an external entity, nests its elements too deep, or would
// draw more elements than the budget, counting each `<use>` as what it draws.
QString svgRefusal(const QByteArray& bytes);

// Documents taken as fit without the check, by their BLAKE2b-256 digest (raw bytes): the
// pictures shipped with the program, which were checked when it was tested. Replaces those
// given before.
void setKnownFitSvgDigests(const QSet<QByteArray>& blake2b256);

} // namespace zavolin
