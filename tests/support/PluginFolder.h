#pragma once

#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/component/PluginLimits.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <sys/types.h>

namespace zavolin::test {

// The folder of the fixture plug-ins built from support/fixtures ("ZavolinAccepted.dll", ...).
QString fixturesFolder();

// Copies a plug-in library to `target`, as an installed program has it: writable by its owner
// only, whatever the umask the library was built under. The program refuses a library that
// others can write.
void copyLibrary(const QString& library, const QString& target);

// How long each step of plug-in code may take for the scope; the limit set before comes back
// afterwards.
class ScopedPluginLimit {
public:
    explicit ScopedPluginLimit(int ms)
        : m_old(pluginLimitMs()) {
        setPluginLimitMs(ms);
    }
    ~ScopedPluginLimit() { setPluginLimitMs(m_old); }
    ScopedPluginLimit(const ScopedPluginLimit&) = delete;
    ScopedPluginLimit& operator=(const ScopedPluginLimit&) = delete;

private:
    int m_old;
};

// A plug-in limit for the tests that wait for a library that hangs: short, so that each costs
// little, yet a hundred times what a library that answers takes (bench/PluginBench.cpp).
constexpr int ShortPluginLimitMs = 500;

// A test of its own with its own class registry and plug-in log: the registry is a fresh
// XDG_DATA_HOME, the fixtures log to ZAVOLIN_FIXTURE_LOG, and the program's folder is a fresh
// folder into which the test copies the fixtures it wants beside the program. Folders it makes
// are writable by their owner only (umask 022), as the program wants plug-in folders.
class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program's folder for this test.
    const QString& folder() const { return m_folder; }
    // Copies a fixture beside the program, under its own name or another one; returns the
    // copy's path.
    QString add(const QString& fixture, const QString& name = {});
    // The fixture as ZavolinB.dll between two good libraries, ZavolinA.dll and ZavolinC.dll.
    void addBetweenGoodOnes(const QString& fixture);
    // The fixtures' log lines so far ("ZavolinB.dll create", ...).
    QStringList log() const;
    // The log lines of one event ("register", "create", ...): the file names, in order.
    QStringList logged(const QString& event) const;
    // The library registered for the ProgID, empty when none.
    static QString registered(const QString& progId);
    // Copies the headless command and the plug-in helpers beside the program, as an installed
    // program has them; returns the command's path.
    QString addSheetCommand();

private:
    QString m_folder;
    QString m_log;
    QByteArray m_oldData;
    mode_t m_oldUmask = 0;
    std::unique_ptr<ScopedProgramInfo> m_program;
};

// The colour of cell k of the fixtures' built-in set.
QColor fixtureColour(int k);

// The names of this process's child processes still running or not yet waited for, once
// the helpers let go of have had their time to end (events are processed meanwhile).
QStringList childProcesses();

} // namespace zavolin::test
