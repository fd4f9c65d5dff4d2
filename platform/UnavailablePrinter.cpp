#include "UnavailablePrinter.h"

#include "RuntimeError.h"

namespace zavolin {

void UnavailablePrinter::fail() const {
    raise(ErrNo::PrinterError, m_reason);
}

} // namespace zavolin
