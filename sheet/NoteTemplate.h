#pragma once

#include "SizeTable.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>

namespace zavolin {

// A drawing template for users who make their own banknote pictures: a frame of each note's
// printed size, front and back side by side, to be filled and read back cell by cell.

// Where the notes' cells lie on the drawing template, in millimetres from its top left corner.
// Cell k: row k / 2 is the value ("1" ... "1000"), column k % 2 the side (0 front, 1 back);
// each cell is exactly its note's printed size (the size table's width and height).
struct NoteTemplateLayout {
    QSizeF page;
    std::array<QRectF, 20> cells;
};
NoteTemplateLayout noteTemplateLayout(const SizeTable& sizes);

// The template's texts in the language in use.
struct NoteTemplateTexts {
    QString title;        // e.g. "Zavolin banknote template"
    QString instructions; // one or two short sentences on what goes where
    QString front;        // "front"
    QString back;         // "back"
};

// The texts in the language of the translations in use.
NoteTemplateTexts noteTemplateTexts();

// The template as an SVG document (page in millimetres: width="...mm" height="...mm" with a
// viewBox in millimetres) and as an image at `dpi` dots per inch (white background).
// The instructions are wrapped with the system's fonts: both need the application object.
QByteArray noteTemplateSvg(const SizeTable& sizes, const NoteTemplateTexts& texts);
QImage noteTemplateImage(const SizeTable& sizes, const NoteTemplateTexts& texts, int dpi = 300);

// Writes the template to `path`: SVG for ".svg", PNG at 300 dpi (with the dpi stored in the
// file) for ".png", case-insensitive; anything else, or a failed write, raises RuntimeError
// (platform/base/RuntimeError.h) with a clear message. Written whole: temporary name, then rename.
void writeNoteTemplate(const QString& path, const SizeTable& sizes, const NoteTemplateTexts& texts);

} // namespace zavolin
