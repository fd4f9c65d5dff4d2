// The per-user settings store kept by QSettings.

#include "platform/SettingsStore.h"

#include "platform/RuntimeError.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

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
