// The program's own options, read before any window is made, and both programs answering
// --help and --version as a user runs them: without a display.

#include "app/CommandLine.h"

#include "support/ProgramRun.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

using Action = CommandLine::Action;

struct ParseCase {
    QStringList arguments;
    Action action;
    QString argument; // the one refused
};

// A user's home for the programs with the language stored, German (0) or English (1000), and
// no display at all.
QProcessEnvironment userWithoutDisplay(int langBase) {
    const QString home = freshDirectory(QStringLiteral("options-home-%1").arg(langBase));
    const QString config = QDir(home).filePath(QStringLiteral("config"));
    EXPECT_TRUE(QDir().mkpath(config + QStringLiteral("/Zavolin")));
    QFile settings(config + QStringLiteral("/Zavolin/Zavolin.conf"));
    EXPECT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[Optionen]\nSprache=%1\n").arg(langBase).toLatin1());
    settings.close();

    QProcessEnvironment environment = plainEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    return environment;
}

struct RunCase {
    const char* program; // ZAVOLIN_COMMAND or ZAVOLIN_SHEET_COMMAND
    QStringList arguments;
    int langBase;
    int exitCode;
    QString outputStart; // standard output; empty: nothing on it
    QString errorStart;  // standard error; empty: nothing on it
};

} // namespace

TEST(CommandLine, QtsOptionsPassOursAreAnsweredTheRestIsRefused) {
    const QString S = QString(); // no argument refused
    const QList<ParseCase> cases = {
        {{}, Action::OpenWindow, S},
        {{"-platform", "offscreen"}, Action::OpenWindow, S},
        {{"--platform", "offscreen", "-style=fusion"}, Action::OpenWindow, S},
        {{"-style", "fusion", "-reverse", "-session", "1234"}, Action::OpenWindow, S},
        {{"-qwindowgeometry", "800x600+0+0", "-display", ":1"}, Action::OpenWindow, S},
        {{"--help"}, Action::Help, S},
        {{"-h"}, Action::Help, S},
        {{"-platform", "offscreen", "--help"}, Action::Help, S},
        {{"--version", "--help"}, Action::Help, S},
        {{"--version"}, Action::Version, S},
        {{"-v"}, Action::Version, S},
        {{"--frobnicate"}, Action::UnknownOption, "--frobnicate"},
        {{"-platform", "offscreen", "--print=yes"}, Action::UnknownOption, "--print=yes"},
        // Letters after one dash are no bundle of short options.
        {{"-hv"}, Action::UnknownOption, "-hv"},
        {{"-platform"}, Action::MissingValue, "-platform"},
        {{"set.pdf"}, Action::FileArgument, "set.pdf"},
        {{"--", "--help"}, Action::FileArgument, "--help"},
    };
    for (const ParseCase& c : cases) {
        const CommandLine line = parseCommandLine(c.arguments);
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(line.action, c.action) << what;
        EXPECT_EQ(line.argument.toStdString(), c.argument.toStdString()) << what;
    }
}

TEST(ProgramOptions, HelpAndVersionAnswerWithoutADisplayAndWrongOptionsEndWithStatus2) {
    const char* zavolin = ZAVOLIN_COMMAND;
    const char* sheet = ZAVOLIN_SHEET_COMMAND;
    const QString E = QString(); // nothing on the stream
    const QList<RunCase> cases = {
        {zavolin, {"--help"}, 1000, 0, "Usage: zavolin [OPTION]", E},
        {zavolin, {"-h"}, 1000, 0, "Usage: zavolin [OPTION]", E},
        {zavolin, {"--help"}, 0, 0, "Aufruf: zavolin [OPTION]", E},
        {zavolin, {"--version"}, 1000, 0, "zavolin 2.", E},
        {zavolin, {"-platform", "offscreen", "-v"}, 1000, 0, "zavolin 2.", E},
        {zavolin, {"--frobnicate"}, 1000, 2, E, "zavolin: unknown option \"--frobnicate\""},
        {zavolin, {"set.pdf"}, 0, 2, E, "zavolin: „set.pdf“"},
        {sheet, {"--version"}, 1000, 0, "zavolin-sheet 2.", E},
        {sheet, {"--help"}, 1000, 0, "Usage: zavolin-sheet", E},
    };
    for (const RunCase& c : cases) {
        const QString program = QString::fromLocal8Bit(c.program);
        const std::string what =
            (QFileInfo(program).fileName() + QLatin1Char(' ') + c.arguments.join(QLatin1Char(' ')))
                .toStdString();
        const ProgramRun run = runProgram(program, c.arguments, userWithoutDisplay(c.langBase));
        EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << run.errors.toStdString();
        EXPECT_TRUE(c.outputStart.isEmpty() ? run.output.isEmpty()
                                            : run.output.startsWith(c.outputStart))
            << what << ": " << run.output.toStdString();
        EXPECT_TRUE(c.errorStart.isEmpty() ? run.errors.isEmpty()
                                           : run.errors.startsWith(c.errorStart))
            << what << ": " << run.errors.toStdString();
        // One line, as a script reads it.
        if (!c.errorStart.isEmpty()) {
            EXPECT_EQ(run.errorLines().size(), 1) << what;
        }
    }
    // The help names the guide that lies beside the program.
    const QString help =
        runProgram(QString::fromLocal8Bit(zavolin), {"--help"}, userWithoutDisplay(1000)).output;
    const QString guide = QRegularExpression(QStringLiteral("^User guide: (.*)$"),
                                             QRegularExpression::MultilineOption)
                              .match(help)
                              .captured(1);
    EXPECT_EQ(guide.toStdString(),
              QFileInfo(QFileInfo(QString::fromLocal8Bit(zavolin)).absolutePath() +
                        QStringLiteral("/README.HTM"))
                  .absoluteFilePath()
                  .toStdString());
    EXPECT_TRUE(QFile::exists(guide)) << help.toStdString();
    // Both say the one version the package has.
    const QString version =
        runProgram(QString::fromLocal8Bit(zavolin), {"--version"}, userWithoutDisplay(1000))
            .output.section(QLatin1Char(' '), 1);
    EXPECT_EQ(runProgram(QString::fromLocal8Bit(sheet), {"--version"}, userWithoutDisplay(1000))
                  .output.section(QLatin1Char(' '), 1)
                  .toStdString(),
              version.toStdString());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\n$")).match(version).hasMatch())
        << version.toStdString();
}

} // namespace zavolin::test
