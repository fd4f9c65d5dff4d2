#include "OwnSetCommand.h"

#include "ownsets/OwnSetImport.h"
#include "ownsets/OwnSetStore.h"
#include "platform/base/RuntimeError.h"
#include "sheet/SizeNotes.h"

namespace zavolin {

ParsedOwnSetArguments parseOwnSetArguments(const QStringList& arguments) {
    ParsedOwnSetArguments parsed;
    const QStringList actions = {QStringLiteral("--add-picture-set"),
                                 QStringLiteral("--remove-picture-set")};
    OwnSetRequest request;
    int actionsSeen = 0;
    bool fromSeen = false;
    QString unknown;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> value;
        if (const qsizetype equals = option.indexOf(QLatin1Char('='));
            option.startsWith(QLatin1String("--")) && equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        const bool takesValue = actions.contains(option) || option == QLatin1String("--from");
        if (takesValue && !value) {
            if (i + 1 >= arguments.size()) {
                parsed.error = QStringLiteral("%1 needs a value (see --help)").arg(option);
                value = QString();
            } else {
                value = arguments[++i];
            }
        }
        if (actions.contains(option)) {
            ++actionsSeen;
            request.action =
                option == actions[0] ? OwnSetRequest::Action::Add : OwnSetRequest::Action::Remove;
            request.name = *value;
        } else if (option == QLatin1String("--from")) {
            fromSeen = true;
            request.from = *value;
        } else if (option == QLatin1String("--accept-warnings")) {
            request.acceptWarnings = true;
        } else if (unknown.isEmpty()) {
            unknown = option;
        }
    }
    parsed.isOwnSetCommand = actionsSeen > 0;
    if (!parsed.isOwnSetCommand || !parsed.error.isEmpty())
        return parsed;
    const bool adding = request.action == OwnSetRequest::Action::Add;
    if (actionsSeen > 1)
        parsed.error = QStringLiteral("give one of --add-picture-set and --remove-picture-set");
    else if (!unknown.isEmpty())
        parsed.error =
            QStringLiteral("%1 does not go with %2").arg(unknown, actions[adding ? 0 : 1]);
    else if (adding && (!fromSeen || request.from.isEmpty()))
        parsed.error = QStringLiteral(
            "--add-picture-set needs --from with a picture of the grid or a folder of pictures");
    else if (!adding && (fromSeen || request.acceptWarnings))
        parsed.error =
            QStringLiteral("%1 does not go with --remove-picture-set")
                .arg(fromSeen ? QStringLiteral("--from") : QStringLiteral("--accept-warnings"));
    else
        parsed.request = request;
    return parsed;
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
