// The plug-in SDK as a plug-in author has it: this build installed into a prefix, the example
// built from the installed sources against the installed ZavolinSDK package, and the plug-in
// dropped into the user's plug-in folder, where the installed command finds it.
#include "support/ProgramRun.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zavolin::test;

namespace {

// What a program said, for the message of a failed step.
std::string said(const ProgramRun& run) {
    return (run.output + run.errors).toStdString();
}

QString canonical(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

TEST(InstalledSdk, ListsTheExampleBuiltAgainstItInTheUsersPluginFolder) {
    // Below the test's own home (support/TestEnvironment.h), removed when the test ends.
    const QString cmake = QStringLiteral(ZAVOLIN_CMAKE_COMMAND);
    const QString prefix = freshDirectory(QStringLiteral("prefix"));
    const ProgramRun install =
        runProgram(cmake, {"--install", ZAVOLIN_BUILD_DIR, "--prefix", prefix});
    ASSERT_EQ(install.exitCode, 0) << said(install);

    const QString example = prefix + "/share/doc/zavolin/sdk/example";
    const QString build = freshDirectory(QStringLiteral("example-build"));
    const ProgramRun configure = runProgram(
        cmake, {"-S", example, "-B", build, "-G", ZAVOLIN_CMAKE_GENERATOR,
                "-DCMAKE_MAKE_PROGRAM=" ZAVOLIN_MAKE_PROGRAM, "-DCMAKE_PREFIX_PATH=" + prefix});
    ASSERT_EQ(configure.exitCode, 0) << said(configure);
    const ProgramRun built = runProgram(cmake, {"--build", build});
    ASSERT_EQ(built.exitCode, 0) << said(built);

    // The test's environment points XDG_DATA_HOME, and so the user's plug-in folder, into its
    // home, as it does HOME and XDG_CONFIG_HOME.
    const QString plugins = qEnvironmentVariable("XDG_DATA_HOME") + "/Zavolin/plugins";
    ASSERT_TRUE(QDir().mkpath(plugins));
    ASSERT_TRUE(QFile::copy(build + "/ZavolinExample.dll", plugins + "/ZavolinExample.dll"));
    const ProgramRun listed = runProgram(prefix + "/bin/zavolin-sheet", {"--list-picture-sets"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.output,
              "Klassisch / Classic\nKinder / Kids\nAusmalen / Colouring\nExample picture set\n")
        << "the shipped sets, then the user's";
    EXPECT_EQ(listed.errors, QString());

    // pkg-config names the installed header's folder and the folder of the library's link.
    QProcessEnvironment environment = plainEnvironment();
    environment.insert("PKG_CONFIG_PATH", prefix + "/" ZAVOLIN_PKGCONFIG_DIR);
    const ProgramRun flags =
        runProgram("pkg-config", {"--cflags", "--libs", "zavolin-sdk"}, environment);
    ASSERT_EQ(flags.exitCode, 0) << said(flags);
    const QStringList words = flags.output.simplified().split(QLatin1Char(' '));
    ASSERT_EQ(words.size(), 3) << said(flags);
    EXPECT_EQ(canonical(words[0].mid(2)), canonical(prefix + "/include")) << said(flags);
    EXPECT_EQ(canonical(words[1].mid(2)), canonical(prefix + "/lib/zavolin")) << said(flags);
    EXPECT_EQ(words[2], "-lzavolin-component");
    EXPECT_TRUE(QFileInfo::exists(words[1].mid(2) + "/libzavolin-component.so"));
}
