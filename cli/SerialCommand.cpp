#include "SerialCommand.h"

#include "CommandLine.h"
#include "errors/TerminalText.h"
#include "platform/base/RuntimeError.h"
#include "serials/SerialRegister.h"
#include "sheet/SetCounts.h"

#include <cstdio>

namespace zavolin {
namespace {

constexpr int NotValid = 1;
constexpr int Failed = 2;

void print(FILE* stream, const QString& line) {
    std::fputs((terminalText(line) + QLatin1Char('\n')).toLocal8Bit(), stream);
}

// What a check found, in a line.
std::pair<int, QString> verdictLine(const QString& text, const SerialVerdict& verdict) {
    using Kind = SerialVerdict::Kind;
    const QString serial = verdict.serial.text();
    switch (verdict.kind) {
    case Kind::Malformed:
        return {Failed, QStringLiteral("\"%1\" is no serial: a serial reads PREFIX-NUMBER-CODE, "
                                       "such as 3B-0042-KX7")
                            .arg(text)};
    case Kind::WrongCheck:
        return {
            NotValid,
            QStringLiteral("not valid: %1: its check code does not fit its number").arg(serial)};
    case Kind::UnknownPrefix:
        return {NotValid,
                QStringLiteral("not valid: %1: no note with the prefix %2 was issued here")
                    .arg(serial, verdict.serial.prefix)};
    case Kind::NeverIssued:
        return {NotValid, QStringLiteral("not valid: %1: number %2 of %3 was never issued")
                              .arg(serial)
                              .arg(verdict.serial.number)
                              .arg(verdict.serial.prefix)};
    case Kind::Valid:
        break;
    }
    return {0, QStringLiteral("valid: %1 is a note of %2, issued on %3")
                   .arg(serial, valueKey(verdict.note->Denom),
                        verdict.note->issued.toString(Qt::ISODate))};
}

} // namespace

std::optional<SerialCommand> parseSerialArguments(const CommandLine& line) {
    for (const QString& name :
         {QStringLiteral("--check-serial"), QStringLiteral("--export-register")}) {
        if (!line.has(name))
            continue;
        const QStringList values = line.values(name);
        if (line.given().size() != 1 || line.stranger(CommandPart::Serial) || values.size() != 1 ||
            values.first().isEmpty())
            badArguments(
                QStringLiteral("%1 takes one value and goes with no other option").arg(name));
        SerialCommand command;
        (name == QLatin1String("--check-serial") ? command.check : command.exportTo) =
            values.first();
        return command;
    }
    return std::nullopt;
}

int runSerialCommand(const SerialCommand& command) {
    try {
        if (!command.exportTo.isEmpty()) {
            exportSerialRegister(command.exportTo);
            print(stdout,
                  QStringLiteral("wrote the register of serials to %1").arg(command.exportTo));
            return 0;
        }
        const auto [status, line] = verdictLine(command.check, checkSerial(command.check));
        print(status == Failed ? stderr : stdout,
              status == Failed ? QStringLiteral("zavolin-sheet: ") + line : line);
        return status;
    } catch (const RuntimeError& e) {
        print(stderr, QStringLiteral("zavolin-sheet: ") + e.description());
        return Failed;
    }
}

} // namespace zavolin
