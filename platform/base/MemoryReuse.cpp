#include "MemoryReuse.h"

#include <malloc.h>

namespace zavolin {

void keepFreedMemoryForReuse() {
    // The heap grows, and shrinks, in steps of this padding. Only a hint: an allocator that
    // does not take it (a sanitizer's) works as before.
    constexpr int TopPadBytes = 16 * 1024 * 1024;
    mallopt(M_TOP_PAD, TopPadBytes);
}

} // namespace zavolin
