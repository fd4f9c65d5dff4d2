#pragma once

#include <QString>
#include <QStringList>

namespace zavolin {

// What the program's arguments ask for, decided before any window or display is needed.
struct CommandLine {
    enum class Action {
        OpenWindow, // no options of ours, perhaps Qt's own (-platform, -style, ...)
        Help,
        Version,
        UnknownOption, // `argument` names it
        MissingValue,  // a Qt option without its value; `argument` says which
        FileArgument,  // the program takes no files; `argument` names the first one
    };
    Action action = Action::OpenWindow;
    QString argument;
};

// Reads the arguments after the program's name. Qt's own options are let through for
// QApplication to take; needs no application object.
CommandLine parseCommandLine(const QStringList& arguments);

// The help, the version line, or what is wrong and what to do, on standard output or standard
// error in the program's stored language; returns the exit status (0, or 2 for wrong arguments).
// Needs an application object, a QCoreApplication being enough.
int answerCommandLine(const CommandLine& line);

} // namespace zavolin
