#pragma once

#include "PageGeometry.h"
#include "SizeTable.h"

namespace zavolin {

class Printer;

// How many columns of notes a page has.
enum class ColumnLayout {
    One,         // one centred column: the program's own layout
    AsManyAsFit, // as many columns as fit the paper between its edges
};

// Sets the geometry's columns for the layout after ScaleFactor has measured the edges: for a
// banknote as many as fit between EdgeLeft and EdgeRight of the paper, or one; the coin sheet
// always has one.
void fitColumns(Printer& printer, const SizeTable& sizes, qint16 Denom, qint16 Side,
                ColumnLayout layout, PageGeometry& geometry);

} // namespace zavolin
