#pragma once

#include <QString>
#include <QStringList>

namespace zavolin {

// --check-serial TEXT and --export-register FILE: commands of their own, beside no other option.
struct SerialCommand {
    bool isSerialCommand = false;
    QString error;    // what is wrong with the arguments
    QString check;    // the serial to check
    QString exportTo; // where to write the register
};
SerialCommand parseSerialArguments(const QStringList& arguments);

// Runs it, saying the outcome on standard output: 0 for a valid serial or a written register,
// 1 for a serial that is not valid, 2 for bad input or a failure (said on standard error).
int runSerialCommand(const SerialCommand& command);

} // namespace zavolin
