#include "UnregisterPlugins.h"

#include "PluginFiles.h"
#include "RegServe.h"
#include "errors/Trap.h"

namespace zavolin {

namespace {

void unregister(const QString& folder, const FileList& files, const FileList* programFiles) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("Form_QueryUnload"));
    trap.run([&] {
        int count = 0;
        trap.at(20, [&] { count = files.count(); });
        for (int i = 0; i < count; ++i) {
            // Never registered, and its class is the program's library's.
            if (programFiles && shadowedByProgramFolder(files.name(i), *programFiles))
                continue;
            trap.at(30, [&] { RegServe(libraryPath(folder, files.name(i)), false); });
        }
        // Label 40, the loop's end, does nothing that can fail.
    });
}

} // namespace

void UnregisterPlugins(const QString& AppPath, const FileList& lstFiles) {
    unregister(AppPath, lstFiles, nullptr);
}

void UnregisterUserPlugins(const QString& UserPath, const FileList& lstUserFiles,
                           const FileList& lstFiles) {
    unregister(UserPath, lstUserFiles, &lstFiles);
}

} // namespace zavolin
