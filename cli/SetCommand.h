#pragma once

#include "SheetRequest.h"

namespace zavolin {

// Makes the whole set or the calibration sheet the request asks for: a PDF file of all its
// pages, or print jobs on the default printer. Raises RuntimeError for a failure; a file is
// written whole or not at all.
void makeSetPages(const SheetRequest& request);

} // namespace zavolin
