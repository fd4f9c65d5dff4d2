#include "platform/files/FileList.h"

#include "platform/base/RuntimeError.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace zavolin;

namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(FileList, ListsMatchingFileNamesWithoutRegardToCaseInOneOrder) {
    const QString dir = test::freshDirectory(QStringLiteral("files"));
    for (const char* name : {"ZavolinB.dll", "zavolinb.dll", "zavolina.DLL", "ZAVOLINc.dll",
                             "Zavolin.dll", "Other.dll", "ZavolinX.dll.bak", "XZavolin.dll"})
        touch(dir + QLatin1Char('/') + QLatin1String(name));
    QDir(dir).mkdir(QStringLiteral("ZavolinFolder.dll"));

    FileList lstFiles;
    EXPECT_EQ(lstFiles.pattern(), QStringLiteral("*.dll"));
    lstFiles.setPath(dir);
    lstFiles.setPattern(QStringLiteral("Zavolin*.dll"));
    // Names only; folders are no files; ties in case are ordered by code point.
    EXPECT_EQ(lstFiles.names(), QStringList({"Zavolin.dll", "zavolina.DLL", "ZavolinB.dll",
                                             "zavolinb.dll", "ZAVOLINc.dll"}));
    EXPECT_EQ(lstFiles.count(), 5);
    EXPECT_EQ(lstFiles.name(4), QStringLiteral("ZAVOLINc.dll"));

    // The contents stay as read until the path or pattern is set again.
    touch(dir + QStringLiteral("/ZavolinA0.dll"));
    EXPECT_EQ(lstFiles.count(), 5);
    lstFiles.refresh();
    EXPECT_EQ(lstFiles.name(1), QStringLiteral("zavolina.DLL"));
    EXPECT_EQ(lstFiles.name(2), QStringLiteral("ZavolinA0.dll"));
}

TEST(FileList, RefusesWhatItCannotHold) {
    FileList lstFiles;
    EXPECT_EQ(lstFiles.count(), 0);
    try {
        lstFiles.setPath(test::freshDirectory(QStringLiteral("files")) + QStringLiteral("/none"));
        ADD_FAILURE() << "a missing folder was accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrNo::PathNotFound);
    }
    try {
        lstFiles.name(0);
        ADD_FAILURE() << "position 0 of an empty list";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrNo::SubscriptOutOfRange);
    }
    EXPECT_EQ(lstFiles.listIndex(), -1);
    EXPECT_THROW(lstFiles.setListIndex(0), RuntimeError);
    lstFiles.setListIndex(-1);
}
