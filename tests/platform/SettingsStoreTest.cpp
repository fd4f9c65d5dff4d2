// The per-user settings store kept by QSettings.

#include "platform/settings/SettingsStore.h"

#include "platform/base/RuntimeError.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zavolin;
using namespace zavolin::test;

TEST(SettingsStore, StoresTextsExactlyAndAtOnce) {
    const QString file = freshDirectory(QStringLiteral("settings")) + QStringLiteral("/z.conf");
    QSettingsStore store(file);
    EXPECT_EQ(store.text(QStringLiteral("Sprache"), QStringLiteral("0")), QStringLiteral("0"));
    store.setText(QStringLiteral("Sprache"), QStringLiteral(" 1000"));
    store.setText(QStringLiteral("LeftMargin"), QStringLiteral("-3"));

    // On disk in the section "Optionen" already, as another reader sees it.
    QSettings other(file, QSettings::IniFormat);
    EXPECT_EQ(other.value(QStringLiteral("Optionen/Sprache")).toString(), QStringLiteral(" 1000"));
    EXPECT_EQ(QSettingsStore(file).text(QStringLiteral("Sprache"), QStringLiteral("0")),
              QStringLiteral(" 1000"));
    EXPECT_EQ(QSettingsStore(file).text(QStringLiteral("LeftMargin"), QStringLiteral("0")),
              QStringLiteral("-3"));
}

TEST(SettingsStore, ATextEditedByHandWithCommasStaysOneText) {
    const QString file = fileWith("[Optionen]\nSprache=1,000\n", QStringLiteral("z.conf"));
    EXPECT_EQ(QSettingsStore(file).text(QStringLiteral("Sprache"), QStringLiteral("0")),
              QStringLiteral("1, 000"));
}

TEST(SettingsStore, ASettingThatCannotBeStoredRaises) {
    const QString blocked = fileWith("file", QStringLiteral("plain")) + QStringLiteral("/z.conf");
    QSettingsStore store(blocked);
    try {
        store.setText(QStringLiteral("Sprache"), QStringLiteral(" 2000"));
        ADD_FAILURE() << "the write was reported as stored";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrNo::PathFileAccessError);
        EXPECT_TRUE(error.description().contains(QStringLiteral("Sprache")));
    }
}

TEST(SettingsStore, TheProgramsStoreGivesTheDefaultsOnAFirstRun) {
    // The isolated home holds no settings yet.
    EXPECT_EQ(readSetting(Settings::Sprache), QStringLiteral("0"));
    EXPECT_EQ(readSetting(Settings::LeftMargin), QStringLiteral("0"));
    EXPECT_EQ(readSetting(Settings::TopMargin), QStringLiteral("0"));
    writeSetting(Settings::TopMargin, QStringLiteral("7"));
    EXPECT_EQ(readSetting(Settings::TopMargin), QStringLiteral("7"));
    EXPECT_TRUE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") +
                              QStringLiteral("/Zavolin/Zavolin.conf")));
}

TEST(SettingsStore, OnlyARegularFileOfSettingsSizeIsReadOrWrittenOver) {
    struct Case {
        const char* name;
        std::function<void(const QString& path)> make;
        const char* reason;
    };
    const QList<Case> cases{
        {"a folder", [](const QString& path) { QDir().mkpath(path); }, "it is a folder"},
        {"a FIFO",
         [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path), 0600), 0); },
         "not a regular file"},
        {"a link to an endless device",
         [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); },
         "not a regular file"},
        {"a huge file",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             ASSERT_TRUE(file.resize(64 * 1024 * 1024));
         },
         "more than the 1.0 MB"},
        {"someone's text",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("Dear diary,\ntoday the printer ran out of paper.\n\x01\xff");
         },
         "not in the form of settings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = freshDirectory(QStringLiteral("odd")) + QStringLiteral("/z.conf");
        c.make(path);
        QSettingsStore store(path);
        EXPECT_EQ(store.text(QStringLiteral("Sprache"), QStringLiteral("0")), QStringLiteral("0"));
        const QString said = store.unreadable();
        EXPECT_TRUE(said.startsWith(path + QStringLiteral(": ")) && said.contains(c.reason))
            << qPrintable(said);
        EXPECT_THROW(store.setText(QStringLiteral("Sprache"), QStringLiteral(" 1000")),
                     RuntimeError);
        const QFileInfo after(path);
        QFile kept(path);
        if (after.isFile() && after.size() < 1024 && kept.open(QIODevice::ReadOnly)) {
            EXPECT_TRUE(kept.readAll().startsWith("Dear diary")) << "written over";
        }
    }
}
