#include "CommandLine.h"
#include "OwnSetCommand.h"
#include "PluginPictureSets.h"
#include "SerialCommand.h"
#include "SheetCommand.h"
#include "SheetRequest.h"
#include "SheetUsage.h"
#include "errors/ConsoleReporter.h"
#include "errors/TerminalText.h"
#include "lang/Translations.h"
#include "platform/base/MemoryReuse.h"
#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/PluginLimits.h"
#include "plugins/ShippedPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Failed = 2;
constexpr int MaxPluginLimitMs = 600000;

// A failure the error trap reports ends the command through its destructors, not at once,
// so a half-written output is removed.
class UnwindingEnd : public zavolin::ProgramEnd {
public:
    void end() override { throw zavolin::CommandEnded{}; }
};

// Qt's own notes (a missing runtime folder, say) would add lines to the one that tells what
// went wrong; keep only its critical messages unless asked for more.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg || qEnvironmentVariableIsSet("ZAVOLIN_DEBUG"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void say(const QString& line) {
    std::fputs((QStringLiteral("zavolin-sheet: ") + zavolin::terminalText(line) + QLatin1Char('\n'))
                   .toLocal8Bit(),
               stderr);
}

// Makes or removes an own picture set; its warnings are asked about on the terminal. Raises
// RuntimeError when it cannot.
int ownSetCommand(const zavolin::OwnSetRequest& request) {
    const auto ask = [](const QStringList& warnings) {
        for (const QString& warning : warnings)
            std::fputs(
                ("warning: " + zavolin::terminalText(warning) + QLatin1Char('\n')).toLocal8Bit(),
                stderr);
        std::fputs("Make the set anyway? [y/N] ", stderr);
        char answer[16] = {};
        if (!std::fgets(answer, sizeof answer, stdin))
            return false;
        return answer[0] == 'y' || answer[0] == 'Y';
    };
    const QString done = zavolin::runOwnSetCommand(request, ask);
    std::fputs((zavolin::terminalText(done) + QLatin1Char('\n')).toLocal8Bit(), stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    zavolin::keepFreedMemoryForReuse();
    qInstallMessageHandler(quietQtMessages);
    // Headless by nature: no window, the preview is drawn on an image. Fonts and pictures need
    // a GUI application, not widgets.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("zavolin-sheet"));
    zavolin::trustShippedPictures();

    // The own picture sets and the serials are commands of their own; else a sheet is asked for.
    // What is wrong with the arguments, or with making an own set, is said in one line.
    zavolin::ParsedArguments parsed;
    try {
        const zavolin::CommandLine line(QGuiApplication::arguments().mid(1));
        if (const auto ownSet = zavolin::parseOwnSetArguments(line))
            return ownSetCommand(*ownSet);
        if (const auto serial = zavolin::parseSerialArguments(line))
            return zavolin::runSerialCommand(*serial);
        parsed = zavolin::parseSheetArguments(line);
    } catch (const zavolin::RuntimeError& e) {
        say(e.description());
        return Failed;
    }
    if (parsed.help) {
        std::fputs(zavolin::sheetUsage().toLocal8Bit(), stdout);
        return 0;
    }
    if (parsed.version) {
        std::fputs(
            QStringLiteral("zavolin-sheet %1\n").arg(zavolin::packageVersion()).toLocal8Bit(),
            stdout);
        return 0;
    }
    // How long each step of plug-in code may take; a script that knows its plug-ins, or a
    // test of plug-ins that hang, may set it.
    if (const QString limit = qEnvironmentVariable("ZAVOLIN_PLUGIN_LIMIT_MS"); !limit.isEmpty()) {
        bool number = false;
        const int ms = limit.toInt(&number);
        if (!number || ms < 1 || ms > MaxPluginLimitMs) {
            say(QStringLiteral("ZAVOLIN_PLUGIN_LIMIT_MS must be a number of milliseconds from 1 "
                               "to %1, not \"%2\"")
                    .arg(MaxPluginLimitMs)
                    .arg(limit));
            return Failed;
        }
        zavolin::setPluginLimitMs(ms);
    }

    // The plug-ins are registered for this run alone, in a registry of its own: the window's
    // registry holds the classes of a window that may be open, and this run would unregister
    // them at its end.
    QTemporaryDir registry;
    if (!registry.isValid()) {
        say(QStringLiteral("cannot make a folder for the plug-ins' registry: %1")
                .arg(registry.errorString()));
        return Failed;
    }
    zavolin::useOwnClassRegistry(registry.filePath(QStringLiteral("classes.ini")));

    // What is printed on the pages speaks the program's language.
    zavolin::useTranslations(zavolin::storedLangBase());

    zavolin::ConsoleReporter reporter(QStringLiteral("zavolin-sheet"));
    zavolin::ErrorReporter::replace(&reporter);
    UnwindingEnd end;
    zavolin::ProgramEnd::replace(&end);
    try {
        if (!parsed.templatePath.isEmpty()) {
            zavolin::makeTemplate(parsed.templatePath, parsed.templatePaper, parsed.templateValues);
            return 0;
        }
        if (parsed.listPictureSets) {
            // A plug-in's name with a new line in it stays on its own line.
            for (QString name : zavolin::listPictureSets())
                std::fputs(
                    (zavolin::terminalText(name.replace(QLatin1Char('\n'), QLatin1Char(' '))) +
                     QLatin1Char('\n'))
                        .toLocal8Bit(),
                    stdout);
            return 0;
        }
        zavolin::makeSheet(*parsed.request);
    } catch (const zavolin::CommandEnded&) {
        return Failed;
    } catch (const zavolin::RuntimeError& e) {
        say(e.description());
        return Failed;
    }
    return 0;
}
