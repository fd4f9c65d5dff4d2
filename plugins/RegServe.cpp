#include "RegServe.h"

#include "errors/Trap.h"
#include "platform/component/LibraryRegistration.h"

#include <zavolin/plugin.h>

namespace zavolin {

void RegServe(QString path, bool reg) {
    Trap trap(QStringLiteral("modRegDLL"), QStringLiteral("RegServe"));
    // Stands for the loaded library and its thread; if the procedure is left half way, the
    // helper is stopped rather than left running.
    LibraryRegistration library;
    bool loaded = false;
    QByteArray entryName;
    bool found = false;
    bool started = false;
    bool ended = false;
    trap.run([&] {
        trap.at(50080, [&] { loaded = library.load(path); });
        if (trap.test(50110, [&] { return !loaded; }))
            return;
        if (trap.test(50120, [&] { return reg; }))
            trap.at(50130, [&] { entryName = ZV_REGISTER_FUNCTION_NAME; });
        else
            trap.at(50150, [&] { entryName = ZV_UNREGISTER_FUNCTION_NAME; });
        trap.at(50190, [&] { found = library.findEntry(entryName); });
        if (!trap.test(50200, [&] { return !found; })) {
            trap.at(50230, [&] { started = library.start(); });
            if (!trap.test(50250, [&] { return !started; })) {
                trap.at(50270, [&] { ended = library.wait(); });
                if (!ended) {
                    // Time-out: the entry point is stopped where it stands; what it would
                    // have returned is of no interest.
                    trap.at(50350, [&] { library.stop(); });
                }
            }
        }
        trap.at(50420, [&] { library.release(); });
    });
}

} // namespace zavolin
