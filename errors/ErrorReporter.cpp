#include "ErrorReporter.h"

#include <cstdio>
#include <cstdlib>

namespace zavolin {
namespace {

class ImmediateEnd : public ProgramEnd {
public:
    void end() override {
        // No shutdown step runs: settings already written stay, nothing else is saved.
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
};

} // namespace

ProgramEnd& ProgramEnd::real() {
    static ImmediateEnd end;
    return end;
}

} // namespace zavolin
