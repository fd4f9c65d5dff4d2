#include "ProgramModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zavolin {

QFunctionPointer programModuleFunction(const char* module, const char* symbol, QString* why) {
    // Stays loaded when the object goes: its functions are used for the rest of the run.
    QLibrary library(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                     QLatin1String(module));
    const QFunctionPointer found = library.resolve(symbol);
    if (!found && why)
        *why = library.errorString();
    return found;
}

} // namespace zavolin
