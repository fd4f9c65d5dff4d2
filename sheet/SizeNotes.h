#pragma once

#include "SizeTable.h"

namespace zavolin {

// Fills all 21 entries of the size table: the coin strip at 90 % and the banknotes at 70 % of
// their base sizes; back and front of a denomination share one size.
void SizeNotes(SizeTable& sizes);

} // namespace zavolin
