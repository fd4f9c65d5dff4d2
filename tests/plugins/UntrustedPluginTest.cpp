// A plug-in library that others could have changed is passed over before any of its code runs,
// with one message naming it and why, in the window's start-up and in the headless command
// alike; the other libraries are used as before.
#include "PluginState.h"
#include "plugins/AddPicture.h"
#include "plugins/PluginFiles.h"
#include "support/ProgramRun.h"
#include "support/ScriptedReporter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

enum class Change { Nothing, Folder, Library, Owner, LinkIntoOwnFolder, LinkIntoOpenFolder };

// What a case does to ZavolinB.dll or its folder, and the reason it is then refused for.
struct Untrusted {
    const char* name;
    Change change;
    mode_t mode;      // of the folder or the library changed
    bool userFolder;  // ZavolinB.dll lies in the user's plug-in folder
    const char* says; // after "<library> is not used: ", %1 the folder; null: it is used
};

constexpr mode_t Shared = 0755;
constexpr mode_t GroupWrites = 0775;
constexpr mode_t AllWrite = 0777;
// Like /tmp: the sticky bit keeps others from replacing a library, not from adding one.
constexpr mode_t Sticky = 01777;

const Untrusted Cases[] = {
    {"AsInstalled", Change::Nothing, Shared, false, nullptr},
    {"InTheUserFolderAsMade", Change::Nothing, Shared, true, nullptr},
    {"FolderWritableByOthers", Change::Folder, AllWrite, true,
     "the folder %1 can be written by others"},
    {"FolderWritableByItsGroup", Change::Folder, GroupWrites, true,
     "the folder %1 can be written by others"},
    {"StickyFolderWritableByOthers", Change::Folder, Sticky, true,
     "the folder %1 can be written by others"},
    {"LibraryWritableByOthers", Change::Library, AllWrite, false, "it can be written by others"},
    {"LibraryWritableByItsGroup", Change::Library, GroupWrites, false,
     "it can be written by others"},
    {"LibraryOfAnotherUser", Change::Owner, Shared, false, "it is owned by user 65534"},
    {"LinkWithinThePluginFolder", Change::LinkIntoOwnFolder, Shared, false, nullptr},
    {"LinkIntoAFolderOthersWrite", Change::LinkIntoOpenFolder, AllWrite, false,
     "the folder %1 can be written by others"},
};

int changeMode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode);
}

class UntrustedPlugin : public PluginStateTest, public ::testing::WithParamInterface<Untrusted> {
protected:
    // Puts ZavolinB.dll in place and changes what the case changes; returns the folder the
    // message names, if it names one.
    QString arrange(const Untrusted& c, const QString& library) {
        const QString fixture = fixturesFolder() + "/ZavolinAccepted.dll";
        const QString place = QFileInfo(library).absolutePath();
        switch (c.change) {
        case Change::LinkIntoOwnFolder:
        case Change::LinkIntoOpenFolder: {
            const QString target = c.change == Change::LinkIntoOwnFolder
                                       ? place + "/sets"
                                       : freshDirectory("elsewhere");
            EXPECT_TRUE(QDir().mkpath(target));
            copyLibrary(fixture, target + "/ZavolinX.dll");
            EXPECT_EQ(changeMode(target, c.mode), 0);
            EXPECT_TRUE(QFile::link(target + "/ZavolinX.dll", library));
            return QFileInfo(target).canonicalFilePath();
        }
        default:
            copyLibrary(fixture, library);
        }
        int changed = 0;
        if (c.change == Change::Folder)
            changed = changeMode(place, c.mode);
        if (c.change == Change::Library)
            changed = changeMode(library, c.mode);
        if (c.change == Change::Owner)
            changed = ::chown(QFile::encodeName(library).constData(), 65534, 65534);
        EXPECT_EQ(changed, 0);
        return QFileInfo(place).canonicalFilePath();
    }
};

QStringList infoTexts(const PluginEntries& entries) {
    QStringList texts;
    for (const PluginEntry& entry : entries.entries())
        texts << entry.Info;
    return texts;
}

class UntrustedPluginChosen : public PluginStateTest {};

} // namespace

TEST_P(UntrustedPlugin, IsPassedOverWithOneMessageBeforeAnyOfItsCodeRuns) {
    const Untrusted& c = GetParam();
    if (c.change == Change::Owner && ::geteuid() != 0)
        GTEST_SKIP() << "only root can give a library to another user";
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    const QString userFolder = userPluginFolder();
    ASSERT_TRUE(QDir().mkpath(userFolder));
    const QString library = (c.userFolder ? userFolder : folder()) + "/ZavolinB.dll";
    const QString named = arrange(c, library);
    QString says = QString::fromLatin1(c.says);
    if (says.contains("%1"))
        says = says.arg(named);
    const QString message = c.says ? library + " is not used: " + says : QString();
    QStringList listed{"Fixture ZavolinA"};
    if (!c.says)
        listed << "Fixture ZavolinB";

    // The window's start-up.
    ScriptedReporter reporter({Ignore});
    {
        const ScopedReplacement<ErrorReporter> replaced(reporter);
        addPicture();
        QString UserPath;
        FileList lstUserFiles;
        AddUserPicture(UserPath, lstUserFiles, lstFiles, cmbAuswahl);
    }
    EXPECT_EQ(infoTexts(cmbAuswahl), listed);
    if (c.says) {
        ASSERT_EQ(reporter.reports.size(), 1);
        EXPECT_EQ(reporter.reports[0].procedure, "AddPicture");
        EXPECT_EQ(reporter.reports[0].number, ErrNo::PathFileAccessError);
        EXPECT_EQ(reporter.reports[0].line, 60);
        EXPECT_EQ(reporter.reports[0].description, message + ".");
    } else {
        EXPECT_EQ(reporter.reports.size(), 0);
    }

    // The headless command: its one line about the library on standard error.
    const ProgramRun run = runProgram(addSheetCommand(), {"--list-picture-sets"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
    EXPECT_EQ(run.output, listed.join('\n') + '\n');
    ASSERT_EQ(run.errorLines().size(), c.says ? 1 : 0) << qPrintable(run.errors);
    if (c.says) {
        EXPECT_TRUE(run.errorLines()[0].contains(message)) << qPrintable(run.errors);
        EXPECT_EQ(logged("register"), QStringList({"ZavolinA.dll", "ZavolinA.dll"}))
            << "nothing of ZavolinB.dll ran, in the window nor in the command";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, UntrustedPlugin, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The registry may name a library that has changed since it was registered: it is judged
// again when its set is chosen.
TEST_F(UntrustedPluginChosen, IsNotCreated) {
    const QString library = add("ZavolinAccepted.dll", "ZavolinA.dll");
    addPicture();
    ASSERT_EQ(cmbAuswahl.listCount(), 1);
    const qsizetype created = logged("create").size();
    ASSERT_EQ(changeMode(library, AllWrite), 0);

    ScriptedReporter reporter({Cancel});
    const ScopedReplacement<ErrorReporter> replaced(reporter);
    createPicture(0);
    ASSERT_EQ(reporter.reports.size(), 1);
    EXPECT_EQ(reporter.reports[0].procedure, "CreatePicture");
    EXPECT_EQ(reporter.reports[0].number, ErrNo::CantCreateObject);
    EXPECT_TRUE(reporter.reports[0].description.endsWith(
        library + " is not used: it can be written by others."))
        << qPrintable(reporter.reports[0].description);
    EXPECT_EQ(logged("create").size(), created);
    EXPECT_EQ(clpPics.picture(), nullptr);
}
