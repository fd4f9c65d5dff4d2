#pragma once

#include <QString>

class QWidget;

namespace zavolin {

// When the user's data folder cannot take the class registry (read-only, full, or a file in the
// folder's place), the plug-ins are registered for this run in a registry of its own in the
// private temporary folder, and one window says so, naming the folder: otherwise every plug-in
// and then every note on the page would fail with an error of its own that names neither.
void useWritableClassRegistry(QWidget* parent, const QString& tempDir);

} // namespace zavolin
