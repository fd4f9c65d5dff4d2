#include "UnregisterPlugins.h"

#include "PluginFiles.h"
#include "RegServe.h"
#include "errors/Trap.h"

namespace zavolin {

void UnregisterPlugins(const QString& AppPath, const FileList& lstFiles) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("Form_QueryUnload"));
    trap.run([&] {
        int count = 0;
        trap.at(20, [&] { count = lstFiles.count(); });
        for (int i = 0; i < count; ++i)
            trap.at(30, [&] { RegServe(libraryPath(AppPath, lstFiles.name(i)), false); });
        // Label 40, the loop's end, does nothing that can fail.
    });
}

} // namespace zavolin
