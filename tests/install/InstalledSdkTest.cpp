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

// This build installed into a fresh prefix below the test's own home (support/TestEnvironment.h),
// removed when the test ends; empty, with the failure added, when the install fails.
QString installedPrefix() {
    const QString prefix = freshDirectory(QStringLiteral("prefix"));
    const ProgramRun install = runProgram(QStringLiteral(ZAVOLIN_CMAKE_COMMAND),
                                          {"--install", ZAVOLIN_BUILD_DIR, "--prefix", prefix});
    if (install.exitCode != 0) {
        ADD_FAILURE() << said(install);
        return {};
    }
    return prefix;
}

// Configures and builds a plug-in author's project against the installed SDK, with the same CMake
// and generator as this build; returns its build folder, empty with the failure added.
QString builtAgainst(const QString& prefix, const QString& project) {
    const QString cmake = QStringLiteral(ZAVOLIN_CMAKE_COMMAND);
    const QString build = freshDirectory(QStringLiteral("project-build"));
    const ProgramRun configure = runProgram(
        cmake, {"-S", project, "-B", build, "-G", ZAVOLIN_CMAKE_GENERATOR,
                "-DCMAKE_MAKE_PROGRAM=" ZAVOLIN_MAKE_PROGRAM, "-DCMAKE_PREFIX_PATH=" + prefix});
    if (configure.exitCode != 0) {
        ADD_FAILURE() << said(configure);
        return {};
    }
    const ProgramRun built = runProgram(cmake, {"--build", build});
    if (built.exitCode != 0) {
        ADD_FAILURE() << said(built);
        return {};
    }
    return build;
}

} // namespace

TEST(InstalledSdk, ListsTheExampleBuiltAgainstItInTheUsersPluginFolder) {
    const QString prefix = installedPrefix();
    ASSERT_FALSE(prefix.isEmpty());
    const QString build = builtAgainst(prefix, prefix + "/share/doc/zavolin/sdk/example");
    ASSERT_FALSE(build.isEmpty());

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

TEST(InstalledSdk, BuildsAPluginWhoseSourcesComeWithoutTheSourcesKeyword) {
    const QString prefix = installedPrefix();
    ASSERT_FALSE(prefix.isEmpty());
    const QString project = freshDirectory(QStringLiteral("project"));
    ASSERT_TRUE(QFile::copy(prefix + "/share/doc/zavolin/sdk/example/ZavolinExample.c",
                            project + "/mine.c"));
    QFile lists(project + "/CMakeLists.txt");
    ASSERT_TRUE(lists.open(QIODevice::WriteOnly));
    // The sources as add_library() takes them, with a keyword after them.
    lists.write(
        "cmake_minimum_required(VERSION 3.16)\n"
        "project(ZavolinMine C)\n"
        "find_package(ZavolinSDK REQUIRED)\n"
        "zavolin_add_plugin(ZavolinMine mine.c OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/plugins)\n");
    lists.close();
    const QString build = builtAgainst(prefix, project);
    ASSERT_FALSE(build.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(build + "/plugins/ZavolinMine.dll"));
}
