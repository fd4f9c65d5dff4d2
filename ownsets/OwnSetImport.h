#pragma once

#include "sheet/SizeTable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zavolin {

// What the checks found in a set's pictures: a finding that stops leaves nothing to store; the
// others are warnings the user may accept.
struct ImportFinding {
    bool stops = false;
    QString text;
};

// A set's pictures read and checked, and the grid of 10 rows by 2 cells made of them, ready to
// be stored (OwnSetStore).
struct PreparedSet {
    QList<ImportFinding> findings;
    QByteArray grid;
    QString extension; // png, jpg or svg: a grid made of several pictures is a JPEG
    QStringList notes; // what the user is told and need not answer, such as a page read twice

    bool stopped() const;
    QStringList errors() const;
    QStringList warnings() const;
};

// Reads a picture set from `source`:
// - one grid picture (PNG, JPEG or SVG), 10 rows of values by 2 cells (front, back) of one size,
//   as a plug-in gives it, kept as it is; or the drawing template filled in (a picture of the
//   template's proportions), whose cells are cut out at their places;
// - or scanned drawing pages: a PDF, a PNG, JPEG or TIFF picture holding them, or a folder of
//   such files (one without pictures named as below), each page found by its corner codes and
//   its frames cut out; a later page wins over an earlier one of the same notes;
// - or a folder of single pictures named <value>-front.<ext> and <value>-back.<ext> (value 1 to
//   1000; ext png, jpg, jpeg or svg): every front must be there, a missing back is a plain back
//   with the value.
// Stops for a file that cannot be read or is no such picture, and for missing fronts; warns
// for a cell more than 2 % off its note's proportions (how it would be stretched) and for a
// raster cell under 150 dots per inch at its printed size, and names files it passes over.
PreparedSet prepareOwnSet(const QString& source, const SizeTable& sizes);

} // namespace zavolin
