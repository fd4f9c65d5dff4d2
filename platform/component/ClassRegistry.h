#pragma once

#include <QString>

namespace zavolin {

// The component system's per-user class registry (ProgID -> library), read through the
// component library so that the program and the plug-ins' registration calls share one
// definition of the file: $XDG_DATA_HOME/Zavolin/classes.ini.

// The registry file's path; empty when no home directory is known.
QString classRegistryPath();

// Why classes cannot be registered in the registry file ("<folder or file>: <reason>"): its
// folder cannot be made or written, or something other than a regular file is in its place.
// Empty when they can.
QString classRegistryUnwritable();

// Registers this process's classes, and those of the helpers it starts, in the registry file
// `file` of its own from now on.
void useOwnClassRegistry(const QString& file);

// A class as registered: its library and its name in that library.
struct RegisteredClass {
    QString library;   // empty when the ProgID is not registered
    QString className; // the registered ProgID's part after its first "."
};

// The class registered for the ProgID. Raises CantCreateObject when the registry cannot be
// read.
RegisteredClass registeredClass(const QString& progId);

// Its library alone, empty when the ProgID is not registered.
QString registeredLibrary(const QString& progId);

} // namespace zavolin
