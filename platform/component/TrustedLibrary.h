#pragma once

#include <QString>

namespace zavolin {

// Why the plug-in library `library`, found in `pluginFolder`, is not to be run, as one line
// naming it: "<library> is not used: the folder <folder> can be written by others". Empty when
// it may be run. Plug-in code runs with the user's rights, so it may come only from places no
// one else can change: the library must be a regular file, and it and every folder from its own
// up to and including the plug-in folder must be owned by this user or root and be writable by
// neither group nor others. A sticky folder is no exception: it keeps others from replacing a
// library, not from adding one.
//
// A link is judged by where it leads: the folder holding the link and the real file with the
// folders above it, up to the plug-in folder, or up to the root when the link leads out of it.
// The program loads the very path judged here; afterwards no one but the owner or root can
// change what was judged, so the check still holds when the helper loads it a moment later.
QString untrustedReason(const QString& library, const QString& pluginFolder);

} // namespace zavolin
