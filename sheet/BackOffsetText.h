#pragma once

#include "PageRequest.h"

#include <QString>
#include <optional>

namespace zavolin {

// The back offset as text, "x,y" in millimetres with one decimal: how it is stored and given on
// the command line.
QString backOffsetText(BackOffset offset);

// Reads "x,y" (blanks allowed around each number): millimetres in steps of 0.1 within the
// offset's limit either way; none for anything else.
std::optional<BackOffset> parseBackOffset(const QString& text);

} // namespace zavolin
