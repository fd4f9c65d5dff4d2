#pragma once

#include <QString>

namespace zavolin {

// Texts printed on the pages of a whole set, in the language of the translations in use.

// The name of a value in a set: "1" to "1000", and the coins in the language in use.
QString setValueName(qint16 Denom);
// The same as a label or list entry of its own, where a word starts with a capital: "Coins".
QString setValueLabel(qint16 Denom);

// The footnote of a page of a set: the value, the side and "page n of m"; on a front also how to
// print and turn it. Denom 0 is the coin sheet, Side 0 the front.
QString setFootnote(qint16 Denom, qint16 Side, qsizetype n, qsizetype m);

// The footnote of the calibration pages: what they are and the back offset they are printed
// with (millimetres); the sheet explains itself above it.
QString calibrationInstruction(double backOffsetX, double backOffsetY);

// How to put the printed fronts back into the printer for their backs, as one paragraph.
QString turnOverInstruction();

} // namespace zavolin
