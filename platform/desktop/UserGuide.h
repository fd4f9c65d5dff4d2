#pragma once

#include <QString>

namespace zavolin {

// The user guide beside the program, README.HTM, as an address the shell opens: at the part in
// the language a LangBase names (German 0, English 1000, Spanish 2000, any other English).
QString userGuide(qint16 langBase);
// The same guide at its part on reporting a fault, for when no support address is configured.
QString userGuideFaultSection(qint16 langBase);

} // namespace zavolin
