#include "OwnSetCommand.h"

#include "CommandLine.h"
#include "ownsets/OwnSetImport.h"
#include "ownsets/OwnSetStore.h"
#include "platform/base/RuntimeError.h"
#include "sheet/SizeNotes.h"

namespace zavolin {

std::optional<OwnSetRequest> parseOwnSetArguments(const CommandLine& line) {
    const QString add = QStringLiteral("--add-picture-set");
    const QString remove = QStringLiteral("--remove-picture-set");
    const qsizetype actions = line.count(add) + line.count(remove);
    if (actions == 0)
        return std::nullopt;
    if (actions > 1)
        badArguments(QStringLiteral("give one of --add-picture-set and --remove-picture-set"));
    OwnSetRequest request;
    request.action = line.has(add) ? OwnSetRequest::Action::Add : OwnSetRequest::Action::Remove;
    const QString action = request.action == OwnSetRequest::Action::Add ? add : remove;
    if (const std::optional<QString> other = line.stranger(CommandPart::OwnSet))
        badArguments(QStringLiteral("%1 does not go with %2").arg(*other, action));
    if (const QString option = line.withoutValue(); !option.isEmpty())
        badArguments(QStringLiteral("%1 needs a value (see --help)").arg(option));
    request.name = line.value(action);
    request.from = line.value(QStringLiteral("--from"));
    request.acceptWarnings = line.has(QStringLiteral("--accept-warnings"));
    const bool fromGiven = line.has(QStringLiteral("--from"));
    if (request.action == OwnSetRequest::Action::Add && request.from.isEmpty())
        badArguments(QStringLiteral("--add-picture-set needs --from with a picture of the grid or "
                                    "a folder of pictures"));
    if (request.action == OwnSetRequest::Action::Remove && (fromGiven || request.acceptWarnings))
        badArguments(
            QStringLiteral("%1 does not go with --remove-picture-set")
                .arg(fromGiven ? QStringLiteral("--from") : QStringLiteral("--accept-warnings")));
    return request;
}

QString runOwnSetCommand(const OwnSetRequest& request,
                         const std::function<bool(const QStringList& warnings)>& accept) {
    if (request.action == OwnSetRequest::Action::Remove) {
        removeOwnSet(request.name);
        return QStringLiteral("removed the picture set \"%1\"").arg(request.name);
    }
    // The name first: no reason to read the pictures for a set that cannot be stored.
    if (const QString problem = ownSetNameProblem(request.name); !problem.isEmpty())
        raise(ErrNo::InvalidPropertyValue, problem);
    SizeTable sizes;
    SizeNotes(sizes);
    const PreparedSet set = prepareOwnSet(request.from, sizes);
    if (set.stopped())
        raise(ErrNo::InvalidPicture, QStringLiteral("the set was not made: %1")
                                         .arg(set.errors().join(QStringLiteral("; "))));
    if (!set.warnings().isEmpty() && !request.acceptWarnings && !(accept && accept(set.warnings())))
        raise(ErrNo::InvalidPicture,
              QStringLiteral("the set was not made: %1 warning(s) declined (--accept-warnings "
                             "makes it anyway)")
                  .arg(set.warnings().size()));
    storeOwnSet(request.name, set.grid, set.extension);
    QString said;
    for (const QString& note : set.notes)
        said += note + QLatin1Char('\n');
    return said +
           QStringLiteral("made the picture set \"%1\" in %2").arg(request.name, ownSetsFolder());
}

} // namespace zavolin
