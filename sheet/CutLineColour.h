#pragma once

#include <QColor>

namespace zavolin {

// Light grey, colour 7 of the 16-colour palette: the cut lines' colour in the preview and, set
// as the printer's fore colour before painting, on paper.
inline const QColor CutLineGrey{192, 192, 192};

} // namespace zavolin
