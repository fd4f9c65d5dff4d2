#pragma once

#include <QFunctionPointer>
#include <QString>

namespace zavolin {

// A function of a module lying beside the program: a library that brings others the start need
// not load, loaded when first needed. Null, with `why` set, when the module or the function
// cannot be loaded.
QFunctionPointer programModuleFunction(const char* module, const char* symbol, QString* why);

} // namespace zavolin
