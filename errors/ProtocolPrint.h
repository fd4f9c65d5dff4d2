#pragma once

#include <QString>
#include <QStringList>

namespace zavolin {

// Printer lines hold at most this many characters of text ...
inline constexpr int PrintWrapWidth = 73;
// ... and continuation lines start with this many blanks, which do not count.
inline constexpr int PrintContinuationIndent = 20;

// The protocol as printer lines, wrapped at word boundaries. Every line gets a blank appended
// so each word carries its blank; a word longer than the width stands whole on its own line;
// TAB characters belong to the word they stand in. The text is taken with one more line end,
// so the printout ends with a line holding one blank.
QStringList printerLines(const QString& protocol);

} // namespace zavolin
