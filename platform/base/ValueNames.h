#pragma once

#include <QString>
#include <array>

namespace zavolin {

// The values' names as the command line, the settings, the pages and the pictures write them:
// "coins" for the coin sheet (Denom 0), "1" to "1000" for the banknotes (Denom 1 to 10).
inline constexpr std::array<const char*, 11> ValueNames = {
    "coins", "1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};

// Denom's name; "" for a Denom that is none.
inline QString valueName(qint16 Denom) {
    return Denom >= 0 && Denom <= 10 ? QString::fromLatin1(ValueNames[size_t(Denom)]) : QString();
}

} // namespace zavolin
