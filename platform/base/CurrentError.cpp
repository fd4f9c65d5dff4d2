#include "CurrentError.h"

namespace zavolin {

CurrentError& currentError() {
    static CurrentError error;
    return error;
}

} // namespace zavolin
