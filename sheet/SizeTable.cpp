#include "SizeTable.h"

#include "platform/base/RuntimeError.h"

namespace zavolin {

SheetItemSize& SizeTable::at(qint32 index) {
    if (index < 0 || index >= Count)
        raise(ErrNo::SubscriptOutOfRange,
              QStringLiteral("Subscript out of range: there is no size table entry %1 (0 to %2).")
                  .arg(index)
                  .arg(Count - 1));
    return m_entries[size_t(index)];
}

const SheetItemSize& SizeTable::at(qint32 index) const {
    return const_cast<SizeTable*>(this)->at(index);
}

} // namespace zavolin
