#pragma once

#include <QtGlobal>

namespace zavolin {

// Where a sheet lies on the printer's page, in whole millimetres and items. The edges are the
// unprintable margins plus one millimetre; TopFraction places the sheet's top on any target
// as a fraction of its inner height (EdgeTop on the printer).
struct PageGeometry {
    qint16 EdgeLeft = 0;
    qint16 EdgeRight = 0;
    qint16 EdgeTop = 0;
    qint16 EdgeBottom = 0;
    float RowsPerPage = 0;
    float TopFraction = 0;
    // Columns of banknotes side by side: 1 unless a layout that fills the page's width asks for
    // more (columnsThatFit); the coin sheet has one.
    qint16 Columns = 1;
};

// How far below the sheet's top the first item starts, in target units: a banknote sheet's
// top cut line lies 10 below the top and the first note 1 below that; a coin sheet's first
// strip starts on its top cut line. The painters draw with the same distances.
constexpr float FirstNoteGap = 10 + 1;
constexpr float FirstStripGap = 10;

// Items of the given height stacked on one page: the printable height less both edges divided
// by the rounded item height (a \ b), but no more than end within the printable height when
// the sheet starts EdgeTop below the printable area's top and is moved `offsetDown` further.
// Raises DivisionByZero for an item height that rounds to zero.
float rowsPerPage(float printableHeight, const PageGeometry& geometry, float itemHeight,
                  float firstItemGap, float offsetDown = 0);

// Columns of notes `itemWidth` wide that fit side by side in `availableWidth` millimetres,
// neighbours sharing a cut line: the notes of n columns with the lines between them take
// n × (width + 2) − 2; at least 1.
qint16 columnsThatFit(double availableWidth, float itemWidth);

// Columns whose outer cut lines, n × (width + 2) apart, both lie on a target `printableWidth`
// wide; at least 1. Where the edges leave less than a millimetre beside the printable area on
// each side, this and not columnsThatFit limits the columns.
qint16 columnsWithinPrintable(double printableWidth, float itemWidth);

// The left cut line of a block of `columns` notes `itemWidth` wide (one coin strip: 1 column),
// in target units: a single item centred in whole units as it always was, several columns
// centred exactly by their outer cut lines (so that all of them lie on the target wherever the
// columns fit), then moved by the print offset to the right.
float blockLeft(double targetWidth, float itemWidth, qint32 columns, qint16 LeftMargin);

// The lower edge of the last of `rows` items on the printer, in millimetres.
double sheetBottom(const PageGeometry& geometry, float rows, float itemHeight, float firstItemGap);

} // namespace zavolin
