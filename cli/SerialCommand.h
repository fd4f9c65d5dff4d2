#pragma once

#include <QString>
#include <optional>

namespace zavolin {

class CommandLine;

// --check-serial TEXT and --export-register FILE: commands of their own, beside no other option.
struct SerialCommand {
    QString check;    // the serial to check
    QString exportTo; // where to write the register
};
// The command when the arguments ask for one of these, else nothing; raises RuntimeError with
// one line saying what is wrong with them.
std::optional<SerialCommand> parseSerialArguments(const CommandLine& line);

// Runs it, saying the outcome on standard output: 0 for a valid serial or a written register,
// 1 for a serial that is not valid, 2 for bad input or a failure (said on standard error).
int runSerialCommand(const SerialCommand& command);

} // namespace zavolin
