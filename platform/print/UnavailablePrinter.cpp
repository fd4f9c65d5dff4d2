#include "UnavailablePrinter.h"

#include "platform/base/RuntimeError.h"

namespace zavolin {

void UnavailablePrinter::fail() const {
    raise(ErrNo::PrinterError, m_reason);
}

} // namespace zavolin
