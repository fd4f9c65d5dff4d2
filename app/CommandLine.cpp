#include "CommandLine.h"

#include "errors/TerminalText.h"
#include "lang/Translations.h"
#include "platform/base/ProgramInfo.h"
#include "platform/desktop/UserGuide.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QUrl>
#include <cstdio>

namespace zavolin {
namespace {

struct CommandLineTexts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

constexpr int WrongArguments = 2;

// The options QGuiApplication, QApplication and the X11 platform take for themselves, with
// and without a value; Qt reads them with one dash or two.
const QStringList QtOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("title"),
    QStringLiteral("qwindowicon"),     QStringLiteral("icon"),
    QStringLiteral("display"),         QStringLiteral("name"),
    QStringLiteral("visual"),          QStringLiteral("session"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger")};
const QStringList QtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                             QStringLiteral("sync"),    QStringLiteral("nograb"),
                             QStringLiteral("dograb"),  QStringLiteral("testability")};

void put(const QString& text, FILE* stream) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QString usage() {
    const QString guide = QUrl(userGuide(storedLangBase())).toLocalFile();
    return CommandLineTexts::tr("Usage: zavolin [OPTION]…") + QStringLiteral("\n\n") +
           CommandLineTexts::tr("Lays out and prints sheets of play money for games and maths "
                                "lessons, in a window with a preview.") +
           QLatin1Char('\n') +
           CommandLineTexts::tr("Pages without the window: zavolin-sheet --help.") +
           QStringLiteral("\n\n") + CommandLineTexts::tr("Options:") + QLatin1Char('\n') +
           QStringLiteral("  -h, --help     ") + CommandLineTexts::tr("show this help and end") +
           QLatin1Char('\n') + QStringLiteral("  -v, --version  ") +
           CommandLineTexts::tr("show the program's version and end") + QStringLiteral("\n\n") +
           CommandLineTexts::tr("Qt's own options work as in every Qt program, such as "
                                "-platform NAME, -style NAME and -reverse.") +
           QStringLiteral("\n\n") + CommandLineTexts::tr("User guide: %1").arg(guide) +
           QLatin1Char('\n');
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are words after one dash ("-platform"), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
        QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const QString& name : QtOptionsWithValue)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString& name : QtFlags)
        parser.addOption(QCommandLineOption(name));

    CommandLine line;
    // The parser takes the program's name first.
    if (!parser.parse(QStringList{QStringLiteral("zavolin")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            line.action = CommandLine::Action::UnknownOption;
            // As it was typed, with its dashes.
            for (const QString& argument : arguments)
                if (argument.startsWith(QLatin1Char('-')) &&
                    QStringView(argument)
                            .mid(argument.startsWith(QLatin1String("--")) ? 2 : 1)
                            .split(QLatin1Char('='))
                            .first() == unknown.first()) {
                    line.argument = argument;
                    break;
                }
            if (line.argument.isEmpty())
                line.argument = unknown.first();
        } else {
            line.action = CommandLine::Action::MissingValue;
            line.argument = arguments.isEmpty() ? QString() : arguments.last();
        }
        return line;
    }
    // Help first: whatever else is given, asking for help gets it.
    if (parser.isSet(help))
        line.action = CommandLine::Action::Help;
    else if (parser.isSet(version))
        line.action = CommandLine::Action::Version;
    else if (!parser.positionalArguments().isEmpty()) {
        line.action = CommandLine::Action::FileArgument;
        line.argument = parser.positionalArguments().first();
    }
    return line;
}

int answerCommandLine(const CommandLine& line) {
    useTranslations(storedLangBase());
    const QString prefix = QStringLiteral("zavolin: ");
    const QString seeHelp = CommandLineTexts::tr("zavolin --help lists the options.");
    // What was typed may hold control characters; they are shown, not sent to the terminal.
    const QString argument = terminalText(line.argument);
    switch (line.action) {
    case CommandLine::Action::OpenWindow:
        return 0;
    case CommandLine::Action::Help:
        put(usage(), stdout);
        return 0;
    case CommandLine::Action::Version:
        put(QStringLiteral("zavolin %1\n").arg(packageVersion()), stdout);
        return 0;
    case CommandLine::Action::UnknownOption:
        put(prefix + CommandLineTexts::tr("unknown option \"%1\"; %2").arg(argument, seeHelp) +
                QLatin1Char('\n'),
            stderr);
        return WrongArguments;
    case CommandLine::Action::MissingValue:
        put(prefix + CommandLineTexts::tr("%1 needs a value; %2").arg(argument, seeHelp) +
                QLatin1Char('\n'),
            stderr);
        return WrongArguments;
    case CommandLine::Action::FileArgument:
        put(prefix +
                CommandLineTexts::tr("\"%1\": the program opens no files given to it; %2")
                    .arg(argument, seeHelp) +
                QLatin1Char('\n'),
            stderr);
        return WrongArguments;
    }
    return WrongArguments;
}

} // namespace zavolin
