// The program as it is installed: a prefix laid out by `cmake --install`, and the Debian package
// `cpack -G DEB` makes of the same rules.

#include "support/PrintedPdf.h"
#include "support/ProgramRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace zavolin::test;

namespace {

const QStringList ShippedSets = {QStringLiteral("Ausmalen / Colouring"),
                                 QStringLiteral("Kinder / Kids"),
                                 QStringLiteral("Klassisch / Classic")};

// Root may write into any folder whatever its mode, so as root the program runs as this
// other user, to whom a read-only prefix is read-only.
constexpr int Stranger = 4242;

bool runningAsRoot() {
    return ::geteuid() == 0;
}

// Lays the build out under prefix as `cmake --install` does; false, with the reason added as a
// failure, when that fails.
bool installInto(const QString& prefix) {
    const ProgramRun run =
        runProgram(QStringLiteral(ZAVOLIN_CMAKE_COMMAND),
                   {QStringLiteral("--install"), QStringLiteral(ZAVOLIN_BUILD_DIR),
                    QStringLiteral("--prefix"), prefix});
    if (run.exitCode != 0) {
        ADD_FAILURE() << "cmake --install failed:\n"
                      << run.output.toStdString() << run.errors.toStdString();
        return false;
    }
    return true;
}

// Every file and folder below the folder, hidden ones too, as paths relative to it.
QStringList everythingBelow(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

// Runs a program as a user would in the home folder: HOME and the XDG folders below it, the
// offscreen platform, and as root the other user.
ProgramRun runAsUser(const QString& home, const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = plainEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), home + QStringLiteral("/state"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!runningAsRoot())
        return runProgram(program, arguments, environment);
    const QString id = QString::number(Stranger);
    return runProgram(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=") + id, QStringLiteral("--regid=") + id,
                                  QStringLiteral("--clear-groups"), QStringLiteral("--"), program} +
                          arguments,
                      environment);
}

// A home folder with its XDG folders, the runtime folder private, owned by whoever runs the
// programs.
QString makeHome(const QTemporaryDir& temp) {
    const QString home = temp.filePath(QStringLiteral("home"));
    for (const char* sub : {"config", "data", "cache", "state", "runtime"})
        QDir().mkpath(home + QLatin1Char('/') + QLatin1String(sub));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (runningAsRoot()) {
        // The other user must reach the prefix and own the home folder.
        QFile::setPermissions(temp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther |
                                               QFile::ReadGroup | QFile::ExeGroup);
        const QString id = QString::number(Stranger);
        EXPECT_EQ(runProgram(QStringLiteral("chown"),
                             {QStringLiteral("-R"), id + QLatin1Char(':') + id, home})
                      .exitCode,
                  0);
    }
    return home;
}

} // namespace

TEST(InstalledProgram, MakesSheetsWithEveryShippedSetFromAReadOnlyPrefix) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString prefix = temp.filePath(QStringLiteral("prefix"));
    ASSERT_TRUE(installInto(prefix));
    const QString home = makeHome(temp);
    const QString programDir = prefix + QStringLiteral("/lib/zavolin");
    const QStringList installed = everythingBelow(programDir);

    ASSERT_EQ(
        runProgram(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a-w"), prefix})
            .exitCode,
        0);
    // Made writable again at the end, also after a failure, so that the folder can be removed.
    const auto writable = qScopeGuard([&] {
        runProgram(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+w"), prefix});
    });
    EXPECT_NE(
        runAsUser(home, QStringLiteral("touch"), {programDir + QStringLiteral("/probe")}).exitCode,
        0)
        << "the program folder is still writable for the user who runs the program";

    const QString sheet = prefix + QStringLiteral("/bin/zavolin-sheet");
    const ProgramRun listed = runAsUser(home, sheet, {QStringLiteral("--list-picture-sets")});
    ASSERT_EQ(listed.exitCode, 0) << listed.errors.toStdString();
    QStringList names = listed.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    names.sort();
    EXPECT_EQ(names, ShippedSets) << listed.output.toStdString();

    for (const QString& set : ShippedSets) {
        const QString pdf = home + QStringLiteral("/") + set.section(QLatin1Char(' '), 0, 0) +
                            QStringLiteral(".pdf");
        const ProgramRun made = runAsUser(
            home, sheet, {QStringLiteral("--picture-set"), set, QStringLiteral("--output"), pdf});
        EXPECT_EQ(made.exitCode, 0) << set.toStdString() << ": " << made.errors.toStdString();
        EXPECT_EQ(pdfPageCount(pdf), 1) << set.toStdString();
    }

    // Nothing written beside the programs: settings, logs and registrations live in the
    // user's folders. (The command reports failures on standard error and keeps no error log;
    // the log's move to the user's data folder is tested with the error window.)
    EXPECT_EQ(everythingBelow(programDir).join(QLatin1Char(' ')).toStdString(),
              installed.join(QLatin1Char(' ')).toStdString());
}

TEST(InstalledProgram, DesktopEntryAndMetainfoAreValid) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString prefix = temp.filePath(QStringLiteral("prefix"));
    ASSERT_TRUE(installInto(prefix));

    const QString desktop =
        prefix + QStringLiteral("/share/applications/io.github.zavolin.Zavolin.desktop");
    const ProgramRun entry = runProgram(QStringLiteral("desktop-file-validate"), {desktop});
    EXPECT_EQ(entry.exitCode, 0) << entry.output.toStdString() << entry.errors.toStdString();
    // Not even a hint: one with two main categories is listed twice in some menus.
    EXPECT_TRUE(entry.output.isEmpty()) << entry.output.toStdString();

    const QString metainfo =
        prefix + QStringLiteral("/share/metainfo/io.github.zavolin.Zavolin.metainfo.xml");
    const ProgramRun appstream = runProgram(QStringLiteral("appstreamcli"),
                                            {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             QStringLiteral("--pedantic"), metainfo});
    EXPECT_EQ(appstream.exitCode, 0)
        << appstream.output.toStdString() << appstream.errors.toStdString();

    // The entry names its icon by the name the icon theme holds it under.
    QFile file(desktop);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QRegularExpression iconLine(QStringLiteral("^Icon=(.*)$"),
                                      QRegularExpression::MultilineOption);
    const QString icon = iconLine.match(QString::fromUtf8(file.readAll())).captured(1);
    const QString hicolor = prefix + QStringLiteral("/share/icons/hicolor/");
    EXPECT_TRUE(
        QFile::exists(hicolor + QStringLiteral("48x48/apps/") + icon + QStringLiteral(".png")))
        << "Icon=" << icon.toStdString();
    EXPECT_TRUE(
        QFile::exists(hicolor + QStringLiteral("scalable/apps/") + icon + QStringLiteral(".svg")))
        << "Icon=" << icon.toStdString();
}

TEST(DebianPackage, HoldsWhatTheInstallLaysOut) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    // Made in the temporary folder, so the build folder is left as a build leaves it.
    const ProgramRun packed = runProgram(
        QStringLiteral(ZAVOLIN_CPACK_COMMAND),
        {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
         QStringLiteral(ZAVOLIN_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), temp.path()},
        plainEnvironment(), 600000);
    ASSERT_EQ(packed.exitCode, 0) << packed.output.toStdString() << packed.errors.toStdString();
    const QStringList debs = QDir(temp.path()).entryList({QStringLiteral("zavolin_*.deb")});
    ASSERT_EQ(debs.size(), 1) << debs.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^zavolin_[0-9.]+_[a-z0-9]+\\.deb$"))
                    .match(debs.first())
                    .hasMatch())
        << debs.first().toStdString();

    const ProgramRun contents =
        runProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), temp.filePath(debs.first())});
    ASSERT_EQ(contents.exitCode, 0) << contents.errors.toStdString();
    // "-rw-r--r-- root/root 1234 2026-12-08 12:00 ./usr/lib/zavolin/README.HTM": mode and path,
    // a link's path without its target.
    QMap<QString, QString> modes;
    for (const QString& line : contents.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() >= 6)
            modes.insert(fields.at(5), fields.at(0));
    }
    const auto expectFile = [&](const QString& path, const QString& mode) {
        EXPECT_TRUE(modes.contains(path)) << "missing " << path.toStdString();
        if (modes.contains(path) && !mode.isEmpty()) {
            EXPECT_EQ(modes.value(path), mode) << path.toStdString();
        }
    };
    // Some path matches the pattern (with the mode, when one is given).
    const auto expectSome = [&](const QString& pattern, const QString& mode = {}) {
        const QRegularExpression re(pattern);
        EXPECT_TRUE(std::any_of(modes.keyValueBegin(), modes.keyValueEnd(),
                                [&](const auto& entry) {
                                    return re.match(entry.first).hasMatch() &&
                                           (mode.isEmpty() || entry.second == mode);
                                }))
            << "nothing matches " << pattern.toStdString() << " " << mode.toStdString();
    };

    const QString program = QStringLiteral("./usr/lib/zavolin/");
    for (const char* name : {"zavolin", "zavolin-sheet", "zavolin-host"})
        expectFile(program + QLatin1String(name), QStringLiteral("-rwxr-xr-x"));
    // Libraries are loaded, not run.
    for (const char* name : {"ZavolinClassic.dll", "ZavolinKids.dll", "ZavolinLineArt.dll",
                             "zavolin-pdfpages.so", "zavolin-pdfwriter.so"})
        expectFile(program + QLatin1String(name), QStringLiteral("-rw-r--r--"));
    expectFile(program + QStringLiteral("libzavolin-component.so.1"), QStringLiteral("lrwxrwxrwx"));
    expectSome(QStringLiteral("^\\./usr/lib/zavolin/libzavolin-component\\.so\\.1\\.[0-9.]+$"),
               QStringLiteral("-rw-r--r--"));
    expectFile(program + QStringLiteral("README.HTM"), QStringLiteral("-rw-r--r--"));
    expectFile(QStringLiteral("./usr/bin/zavolin"), QStringLiteral("lrwxrwxrwx"));
    expectFile(QStringLiteral("./usr/bin/zavolin-sheet"), QStringLiteral("lrwxrwxrwx"));
    EXPECT_TRUE(contents.output.contains(
        QStringLiteral("./usr/bin/zavolin-sheet -> ../lib/zavolin/zavolin-sheet")));

    const QString share = QStringLiteral("./usr/share/");
    expectFile(share + QStringLiteral("applications/io.github.zavolin.Zavolin.desktop"), {});
    expectFile(share + QStringLiteral("metainfo/io.github.zavolin.Zavolin.metainfo.xml"), {});
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        expectFile(share + QStringLiteral("icons/hicolor/%1x%1/apps/zavolin.png").arg(size), {});
    expectFile(share + QStringLiteral("icons/hicolor/scalable/apps/zavolin.svg"), {});
    expectFile(share + QStringLiteral("man/man1/zavolin.1.gz"), {});
    expectFile(share + QStringLiteral("man/man1/zavolin-sheet.1.gz"), {});
    expectFile(share + QStringLiteral("bash-completion/completions/zavolin-sheet"), {});
    expectFile(share + QStringLiteral("doc/zavolin/copyright"), {});
    expectFile(share + QStringLiteral("doc/zavolin/changelog.gz"), {});
    expectFile(share + QStringLiteral("lintian/overrides/zavolin"), {});

    // The plug-in SDK: its headers, its CMake package and its pkg-config file.
    expectSome(QStringLiteral("^\\./usr/include/zavolin/.+\\.h$"));
    expectSome(QStringLiteral("^\\./usr/.*/ZavolinSDKConfig\\.cmake$"));
    expectSome(QStringLiteral("^\\./usr/.*/pkgconfig/[^/]+\\.pc$"));
}
