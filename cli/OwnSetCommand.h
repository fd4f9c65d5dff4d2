#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace zavolin {

// Making and removing the user's own picture sets from the command line:
//   --add-picture-set NAME --from FILE|FOLDER [--accept-warnings]
//   --remove-picture-set NAME
struct OwnSetRequest {
    enum class Action { Add, Remove };
    Action action = Action::Add;
    QString name;
    QString from;
    bool acceptWarnings = false;
};

class CommandLine;

// The request when the arguments ask for one of these commands, else nothing; raises
// RuntimeError with one line saying what is wrong with them.
std::optional<OwnSetRequest> parseOwnSetArguments(const CommandLine& line);

// Makes or removes the set; the user is asked about the checks' warnings through `accept`
// unless the request accepts them already. Raises RuntimeError with one line for a name that
// cannot be used, pictures that fail the checks, declined warnings and failed writes; nothing
// of the set is left then. Returns what was done, in one line.
QString runOwnSetCommand(const OwnSetRequest& request,
                         const std::function<bool(const QStringList& warnings)>& accept);

} // namespace zavolin
