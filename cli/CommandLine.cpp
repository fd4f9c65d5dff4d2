#include "CommandLine.h"

#include "platform/base/RuntimeError.h"

#include <QHash>

namespace zavolin {
namespace {

// Every option of the command, with the name of its value if it takes one. The help text says
// what each does (sheetUsage).
struct Option {
    QStringList names;
    QString value;
    CommandPart part = CommandPart::Sheet;
};

const QList<Option>& options() {
    using enum CommandPart;
    static const QList<Option> all = {
        {{QStringLiteral("h"), QStringLiteral("help")}, {}, Sheet},
        {{QStringLiteral("version")}, {}, Sheet},
        {{QStringLiteral("denomination")}, QStringLiteral("V"), Sheet},
        {{QStringLiteral("side")}, QStringLiteral("S"), Sheet},
        {{QStringLiteral("left-margin")}, QStringLiteral("MM"), Sheet},
        {{QStringLiteral("top-margin")}, QStringLiteral("MM"), Sheet},
        {{QStringLiteral("copies")}, QStringLiteral("N"), Sheet},
        {{QStringLiteral("pictures")}, QStringLiteral("FILE"), Sheet},
        {{QStringLiteral("picture-set")}, QStringLiteral("N|NAME"), Sheet},
        {{QStringLiteral("list-picture-sets")}, {}, Sheet},
        {{QStringLiteral("template")}, QStringLiteral("FILE"), Sheet},
        {{QStringLiteral("columns")}, QStringLiteral("1|auto"), Sheet},
        {{QStringLiteral("paper")}, QStringLiteral("P"), Sheet},
        {{QStringLiteral("output")}, QStringLiteral("FILE"), Sheet},
        {{QStringLiteral("print")}, {}, Sheet},
        {{QStringLiteral("printer")}, QStringLiteral("Q"), Sheet},
        {{QStringLiteral("whole-set")}, {}, Sheet},
        {{QStringLiteral("values")}, QStringLiteral("LIST"), Sheet},
        {{QStringLiteral("notes")}, QStringLiteral("COUNTS"), Sheet},
        {{QStringLiteral("children")}, QStringLiteral("N"), Sheet},
        {{QStringLiteral("each")}, QStringLiteral("COUNTS"), Sheet},
        {{QStringLiteral("serials")}, QStringLiteral("PREFIX"), Sheet},
        {{QStringLiteral("plan")}, {}, Sheet},
        {{QStringLiteral("duplex")}, QStringLiteral("WAY"), Sheet},
        {{QStringLiteral("back-offset")}, QStringLiteral("X,Y"), Sheet},
        {{QStringLiteral("calibration")}, {}, Sheet},
        {{QStringLiteral("add-picture-set")}, QStringLiteral("NAME"), OwnSet},
        {{QStringLiteral("remove-picture-set")}, QStringLiteral("NAME"), OwnSet},
        {{QStringLiteral("from")}, QStringLiteral("FILE|FOLDER"), OwnSet},
        {{QStringLiteral("accept-warnings")}, {}, OwnSet},
        {{QStringLiteral("check-serial")}, QStringLiteral("SERIAL"), Serial},
        {{QStringLiteral("export-register")}, QStringLiteral("FILE"), Serial},
    };
    return all;
}

const Option& optionNamed(const QString& name) {
    static const QHash<QString, const Option*> byName = [] {
        QHash<QString, const Option*> names;
        for (const Option& option : options())
            for (const QString& n : option.names)
                names.insert(n, &option);
        return names;
    }();
    return *byName.value(name);
}

// "--output" as the parser names it, "output".
QString bare(const QString& option) {
    return option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments)
    : m_arguments(arguments) {
    // "-h" for --help; a single dash reads as two ("-output" as --output), never as a bundle of
    // one-letter options.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& option : options())
        m_parser.addOption(QCommandLineOption(option.names, QString(), option.value));
    // Its errors are said in the commands' words: an unknown option by stranger(), a missing
    // value by withoutValue(). A value given to an option that takes none ("--print=yes") is
    // passed over, as it always was.
    m_parser.parse(QStringList{QStringLiteral("zavolin-sheet")} + arguments);
    for (const QString& name : m_parser.optionNames())
        m_given.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
}

bool CommandLine::has(const QString& option) const {
    return m_parser.isSet(bare(option));
}

QString CommandLine::value(const QString& option) const {
    return m_parser.value(bare(option));
}

QStringList CommandLine::values(const QString& option) const {
    return m_parser.values(bare(option));
}

QString CommandLine::firstOf(const QStringList& options) const {
    for (const QString& option : options)
        if (has(option))
            return option;
    return {};
}

std::optional<QString> CommandLine::stranger(CommandPart part) const {
    // The parser keeps an unknown option's name without its dashes and its value.
    if (const QStringList unknown = m_parser.unknownOptionNames(); !unknown.isEmpty()) {
        for (const QString& argument : m_arguments) {
            const QString option = argument.section(QLatin1Char('='), 0, 0);
            if (option.startsWith(QLatin1Char('-')) && bare(option) == unknown.first())
                return option;
        }
        return QStringLiteral("--") + unknown.first();
    }
    // The parser takes "--" for the end of the options, which the command has no use for.
    const QString end = QStringLiteral("--");
    qsizetype endsAsValue = 0;
    for (const Option& option : options())
        if (!option.value.isEmpty())
            endsAsValue += m_parser.values(option.names.first()).count(end);
    if (m_arguments.count(end) > endsAsValue)
        return end;
    if (const QStringList operands = m_parser.positionalArguments(); !operands.isEmpty())
        return operands.first();
    for (const QString& option : m_given)
        if (optionNamed(bare(option)).part != part)
            return option;
    return std::nullopt;
}

QString CommandLine::withoutValue() const {
    const QStringList names = m_parser.optionNames();
    for (const QString& name : names)
        if (!optionNamed(name).value.isEmpty() && m_parser.values(name).size() < names.count(name))
            return QStringLiteral("--") + name;
    return {};
}

void badArguments(const QString& line) {
    raise(ErrNo::InvalidProcedureCall, line);
}

} // namespace zavolin
