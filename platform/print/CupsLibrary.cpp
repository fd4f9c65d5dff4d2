#include "CupsLibrary.h"

#include "platform/base/RuntimeError.h"

#include <QLibrary>
#include <type_traits>

namespace zavolin {
namespace {

struct Loaded {
    CupsLibrary functions;
    QString problem;
};

const Loaded& loaded() {
    static const Loaded library = [] {
        Loaded result;
        // Stays loaded when the object goes: its functions are used for the rest of the run.
        QLibrary file(QStringLiteral("cups"), 2);
        if (!file.load()) {
            result.problem = file.errorString();
            return result;
        }
        const auto resolve = [&](auto& pointer, const char* name) {
            pointer =
                reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(file.resolve(name));
            if (!pointer && result.problem.isEmpty())
                result.problem = QStringLiteral("it has no function %1").arg(QLatin1String(name));
        };
#define ZAVOLIN_CUPS_RESOLVE(name) resolve(result.functions.name, #name);
        ZAVOLIN_CUPS_FUNCTIONS(ZAVOLIN_CUPS_RESOLVE)
#undef ZAVOLIN_CUPS_RESOLVE
        return result;
    }();
    return library;
}

} // namespace

const CupsLibrary& libcups() {
    const Loaded& library = loaded();
    if (!library.problem.isEmpty())
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the CUPS library libcups.so.2 cannot be loaded (%1); "
                             "printing needs the package libcups2 installed.")
                  .arg(library.problem));
    return library.functions;
}

} // namespace zavolin
