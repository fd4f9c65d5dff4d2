#pragma once

#include <QtGlobal>
#include <array>

namespace zavolin {

// The size of one item on paper, in millimetres: banknotes lie with the longer side across.
struct SheetItemSize {
    float Width = 0;
    float Height = 0;
};

// The sizes of everything the program prints: entry 0 the coin strip, entry 2 × d − 1 + side
// the front (side 0) or back (side 1) of banknote denomination d = 1..10.
class SizeTable {
public:
    static constexpr qint32 Count = 21;

    // Raises SubscriptOutOfRange for an index outside 0..20.
    SheetItemSize& at(qint32 index);
    const SheetItemSize& at(qint32 index) const;

private:
    std::array<SheetItemSize, Count> m_entries{};
};

// The entry of a banknote's side (denomination 1..10, side 0 front or 1 back).
constexpr qint32 sheetIndex(qint16 denom, qint16 side) {
    return 2 * denom + side - 1;
}

} // namespace zavolin
