#pragma once

#include <QString>

namespace zavolin {

// Runs the self-registration entry point of the library at `path`: "DllRegisterServer" when
// `reg` is true, "DllUnregisterServer" when false, in a helper process that is stopped when a step
// outlasts the plug-in limit (platform/component/PluginLimits.h). Tells nobody whether the
// entry point ran or what it returned: a library that cannot be loaded or lacks the entry point
// is passed over quietly, and so is one that others could have changed, which is not loaded at
// all (AddPicture tells of it). Module "modRegDLL".
void RegServe(QString path, bool reg);

} // namespace zavolin
