#pragma once

namespace zavolin {

// Makes the program's compiled-in resources (window pictures, coin strips, language table)
// reachable under ":/". They live in a static library, whose registration the linker would
// otherwise drop. Safe to call more than once.
void initProgramResources();

} // namespace zavolin
