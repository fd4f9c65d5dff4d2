#pragma once

#include <QString>
#include <optional>

namespace zavolin {

// How many columns of notes a page has.
enum class ColumnLayout {
    One,         // one centred column: the program's own layout
    AsManyAsFit, // as many columns as fit the paper between its edges
};

// The layout as it is stored: "1" or "auto".
QString columnLayoutText(ColumnLayout layout);
// The layout a text names, "1" or "auto" (in any case, spaces around it ignored); none for any
// other text.
std::optional<ColumnLayout> columnLayoutNamed(const QString& text);
// The stored text read back: as it names, and the one column for an empty or unreadable text.
ColumnLayout columnLayoutFromText(const QString& text);

} // namespace zavolin
