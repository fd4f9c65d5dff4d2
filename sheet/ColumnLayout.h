#pragma once

#include <QString>

namespace zavolin {

// How many columns of notes a page has.
enum class ColumnLayout {
    One,         // one centred column: the program's own layout
    AsManyAsFit, // as many columns as fit the paper between its edges
};

// The layout as it is stored: "1" or "auto".
QString columnLayoutText(ColumnLayout layout);
// The stored text read back: "auto" (in any case) is as many as fit; anything else, an empty or
// unreadable text included, is the one column.
ColumnLayout columnLayoutFromText(const QString& text);

} // namespace zavolin
