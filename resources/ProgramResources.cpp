#include "ProgramResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function in the scope it is used in, so it has to
// be called outside any namespace.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

namespace zavolin {

void initProgramResources() {
    static const bool registered = [] {
        registerResources();
        return true;
    }();
    (void)registered;
}

} // namespace zavolin
