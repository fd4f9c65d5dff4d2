#pragma once

#include "platform/settings/SettingsStore.h"
#include "support/FakeSettingsStore.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace zavolin::test {

// The language table extracted into a fresh directory as LangFile, LangBase German and the
// settings in memory; LangBase and LangFile are put back afterwards.
class LangTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FakeSettingsStore settings;

private:
    qint16 m_savedBase = 0;
    QString m_savedFile;
    SettingsStore* m_savedStore = nullptr;
};

// The table's bytes as the resources hold them.
QByteArray tableBytes();

// The texts of the table, by text number, in the languages 0 to 3 (empty where it has none).
struct TableText {
    qint16 number;
    QString texts[4];
};
const QList<TableText>& expectedTexts();

} // namespace zavolin::test
