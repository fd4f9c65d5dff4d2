#include "PluginFolder.h"

#include "platform/component/ClassRegistry.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>

namespace zavolin::test {

QString fixturesFolder() {
    return QStringLiteral(ZAVOLIN_FIXTURES_DIR);
}

void copyLibrary(const QString& library, const QString& target) {
    EXPECT_TRUE(QFile::copy(library, target)) << qPrintable(target);
    EXPECT_TRUE(QFile::setPermissions(
        target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther))
        << qPrintable(target);
}

void PluginTest::SetUp() {
    m_oldUmask = ::umask(022);
    m_oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(freshDirectory(QStringLiteral("data"))));
    m_log = freshDirectory(QStringLiteral("log")) + QStringLiteral("/fixtures.log");
    qputenv("ZAVOLIN_FIXTURE_LOG", QFile::encodeName(m_log));
    m_folder = freshDirectory(QStringLiteral("program"));
    ProgramInfo info = programInfo();
    info.directory = m_folder;
    m_program = std::make_unique<ScopedProgramInfo>(info);
}

void PluginTest::TearDown() {
    m_program.reset();
    qunsetenv("ZAVOLIN_FIXTURE_LOG");
    qputenv("XDG_DATA_HOME", m_oldData);
    ::umask(m_oldUmask);
}

QString PluginTest::add(const QString& fixture, const QString& name) {
    const QString target = m_folder + QLatin1Char('/') + (name.isEmpty() ? fixture : name);
    // A copy, not a link: each copy is a library of its own to the loader.
    copyLibrary(fixturesFolder() + QLatin1Char('/') + fixture, target);
    return target;
}

void PluginTest::addBetweenGoodOnes(const QString& fixture) {
    add(QStringLiteral("ZavolinAccepted.dll"), QStringLiteral("ZavolinA.dll"));
    add(fixture, QStringLiteral("ZavolinB.dll"));
    add(QStringLiteral("ZavolinAccepted.dll"), QStringLiteral("ZavolinC.dll"));
}

QStringList PluginTest::log() const {
    QFile file(m_log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList PluginTest::logged(const QString& event) const {
    QStringList names;
    for (const QString& line : log()) {
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        if (line.mid(blank + 1) == event)
            names << line.left(blank);
    }
    return names;
}

QString PluginTest::registered(const QString& progId) {
    return registeredLibrary(progId);
}

QString PluginTest::addSheetCommand() {
    for (const char* program : {ZAVOLIN_SHEET_COMMAND, ZAVOLIN_HOST_COMMAND}) {
        const QString from = QString::fromLocal8Bit(program);
        EXPECT_TRUE(QFile::copy(from, m_folder + QLatin1Char('/') + QFileInfo(from).fileName()))
            << qPrintable(from);
    }
    return m_folder + QStringLiteral("/zavolin-sheet");
}

namespace {

QStringList childrenNow() {
    QStringList names;
    const QString parent = QString::number(::getpid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QString line = QString::fromLocal8Bit(stat.readAll());
        const qsizetype open = line.indexOf(QLatin1Char('('));
        const qsizetype close = line.lastIndexOf(QLatin1Char(')'));
        if (open < 0 || close < open)
            continue;
        const QStringList rest = line.mid(close + 2).split(QLatin1Char(' '));
        if (rest.size() > 1 && rest[1] == parent)
            names << line.mid(open + 1, close - open - 1);
    }
    return names;
}

} // namespace

QStringList childProcesses() {
    // A helper let go of ends by itself, or is ended after the plug-in step limit.
    const QDeadlineTimer settled(4 * ShortPluginLimitMs + 8000);
    QStringList names = childrenNow();
    while (!names.isEmpty() && !settled.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
        names = childrenNow();
    }
    return names;
}

QColor fixtureColour(int k) {
    return QColor(12 * k + 8, 240 - 10 * k, (53 * k) % 256);
}

} // namespace zavolin::test
