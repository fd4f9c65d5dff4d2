// Nothing a plug-in starts outlives the helper it runs in, however the helper ends: a plug-in
// that leaves a child and a daemon behind at its registration and at each object it makes, run
// by the headless command.
#include "support/PluginFolder.h"
#include "support/ProgramRun.h"
#include "support/TestEnvironment.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

using namespace zavolin;
using namespace zavolin::test;

namespace {

enum class Ending { CommandEnds, HostStopped, CommandKilled };

struct PluginEnding {
    const char* name;
    const char* fixture;
    Ending ending;
};

const PluginEnding Endings[] = {
    {"CommandEnds", "ZavolinForks.dll", Ending::CommandEnds},
    // Info hangs past the limit: the command stops the host.
    {"HostStoppedAfterItsTime", "ZavolinForksAndHangs.dll", Ending::HostStopped},
    // The command is killed while Info hangs: its end ends the host.
    {"CommandKilled", "ZavolinForksAndHangs.dll", Ending::CommandKilled},
};

// A child and a daemon at the registration and at each of the two objects made of the class
// (one to list it, one to test it).
constexpr qsizetype LeftBehind = 6;

QStringList noted(const QString& file) {
    QFile pids(file);
    if (!pids.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(pids.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Those of the processes that still run; one that has ended but is not yet waited for runs no
// more.
QStringList running(const QStringList& pids) {
    QStringList alive;
    for (const QString& pid : pids) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        if (line.mid(line.lastIndexOf(')') + 2, 1) != "Z")
            alive << pid;
    }
    return alive;
}

class PluginChildren : public PluginTest, public ::testing::WithParamInterface<PluginEnding> {};

} // namespace

TEST_P(PluginChildren, EndWithTheHelperTheyRunIn) {
    const PluginEnding& e = GetParam();
    add(e.fixture, "ZavolinB.dll");
    const QString command = addSheetCommand();
    const QString pids = freshDirectory("pids") + "/pids";
    QProcessEnvironment environment = plainEnvironment();
    environment.insert("ZAVOLIN_FIXTURE_PIDS", pids);
    environment.insert("ZAVOLIN_PLUGIN_LIMIT_MS",
                       e.ending == Ending::HostStopped ? "500" : "60000");

    if (e.ending == Ending::CommandKilled) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(command, {"--list-picture-sets"});
        // Info hangs once everything is left behind.
        const QDeadlineTimer started(30000);
        while (noted(pids).size() < LeftBehind && !started.hasExpired())
            QThread::msleep(20);
        process.kill();
        process.waitForFinished();
    } else {
        const ProgramRun run = runProgram(command, {"--list-picture-sets"}, environment);
        EXPECT_NE(run.exitCode, -1) << qPrintable(run.errors);
    }

    const QStringList left = noted(pids);
    EXPECT_EQ(left.size(), LeftBehind);
    const QDeadlineTimer shortly(5000);
    while (!running(left).isEmpty() && !shortly.hasExpired())
        QThread::msleep(20);
    EXPECT_EQ(running(left), QStringList()) << "still running after the command ended";
}

INSTANTIATE_TEST_SUITE_P(Endings, PluginChildren, ::testing::ValuesIn(Endings),
                         [](const auto& info) { return std::string(info.param.name); });
