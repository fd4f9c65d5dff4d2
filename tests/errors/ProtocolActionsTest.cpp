#include "ErrorFakes.h"
#include "errors/ErrPtnr.h"
#include "errors/ProtocolMessages.h"
#include "errors/ProtocolPrint.h"
#include "platform/base/ProgramInfo.h"
#include "platform/desktop/UserGuide.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/FakeShell.h"
#include "support/FixedClock.h"
#include "support/TestEnvironment.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUuid>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

QString blockedDirectory() {
    const QString file = freshDirectory(QStringLiteral("blocked")) + QStringLiteral("/file");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    return file + QStringLiteral("/program");
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ProtocolActions : public ::testing::Test {
protected:
    FixedClock clock;
    FixedOsVersion os;
    FakeMessageBoxes boxes;
    FakeShell shell;
    RecordingPrinter printer;
    ScopedReplacement<Clock> c{clock};
    ScopedReplacement<OsVersionSource> o{os};
    ScopedReplacement<MessageBoxes> m{boxes};
    ScopedReplacement<Shell> s{shell};
    ScopedReplacement<Printer> p{printer};
    QString directory = freshDirectory(QStringLiteral("program"));
    ScopedProgramInfo program{programIn(directory, QStringLiteral("Zavolin"))};
    ErrPtnr window;

    ProtocolActions() { window.SetProgInfo(QStringLiteral("Zavolin  V2.22.272")); }

    QString protocol() const {
        QString text;
        window.BuildProtocol(text);
        return text;
    }
};

} // namespace

TEST_F(ProtocolActions, PrintSendsTheWrappedLinesAndEndsTheDocument) {
    window.cmdProtocol_Click(0);
    EXPECT_EQ(printer.textLines, printerLines(protocol()));
    EXPECT_EQ(printer.textLines.size(), 19);
    EXPECT_EQ(printer.endDocs, 1);
    EXPECT_TRUE(boxes.informed.isEmpty());
}

TEST_F(ProtocolActions, PrinterFailureIsToldToTheUser) {
    printer.failing = true;
    window.cmdProtocol_Click(0);
    ASSERT_EQ(boxes.informed.size(), 1);
    EXPECT_EQ(boxes.informed[0], protocolPrintFailed(QStringLiteral("Printer error: no printer.")));
    EXPECT_EQ(printer.endDocs, 0);
}

TEST_F(ProtocolActions, SaveAsksBeforeReplacingAndNoKeepsTheFile) {
    const QString file = directory + QStringLiteral("/Zavolin.ERR");
    window.cmdProtocol_Click(1);
    const QByteArray first = (protocol() + QStringLiteral("\r\n")).toLocal8Bit();
    EXPECT_EQ(contents(file), first);
    EXPECT_TRUE(boxes.asked.isEmpty());
    EXPECT_EQ(boxes.informed, QStringList({protocolSavedReport(file)}));

    // A later press writes a fresh protocol, but only once the user agrees.
    clock.time = clock.time.addSecs(61);
    boxes.answer = false;
    window.cmdProtocol_Click(1);
    EXPECT_EQ(boxes.asked, QStringList({overwriteQuestion(file)}));
    EXPECT_EQ(boxes.informed.size(), 1);
    EXPECT_EQ(contents(file), first);

    boxes.answer = true;
    window.cmdProtocol_Click(1);
    EXPECT_EQ(boxes.asked.size(), 2);
    EXPECT_EQ(boxes.informed.size(), 2);
    const QByteArray second = contents(file);
    EXPECT_EQ(second, (protocol() + QStringLiteral("\r\n")).toLocal8Bit());
    EXPECT_TRUE(second.contains("03-07-2024 / 09:06:04"));
}

TEST_F(ProtocolActions, SaveGoesToTheUsersDataWhenTheProgramDirectoryIsUnwritable) {
    const QString exe = QStringLiteral("Zavolin") + QUuid::createUuid().toString(QUuid::Id128);
    ScopedProgramInfo blocked(programIn(blockedDirectory(), exe));
    window.cmdProtocol_Click(1);
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Zavolin/") + exe + QStringLiteral(".ERR");
    EXPECT_EQ(contents(file), (protocol() + QStringLiteral("\r\n")).toLocal8Bit());
    EXPECT_EQ(boxes.informed, QStringList({protocolSavedReport(file)}));
}

TEST_F(ProtocolActions, SaveThatCannotWriteSaysSo) {
    ScopedProgramInfo blocked(programIn(blockedDirectory(), QStringLiteral("Zavolin")));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(blockedDirectory()));
    window.cmdProtocol_Click(1);
    qputenv("XDG_DATA_HOME", dataHome);
    ASSERT_EQ(boxes.informed.size(), 1);
    EXPECT_TRUE(boxes.informed[0].startsWith(QStringLiteral("Das Fehlerprotokoll konnte nicht")));
    EXPECT_FALSE(boxes.informed[0].contains(QStringLiteral("wurde in die Datei")));
}

TEST_F(ProtocolActions, MailTellsCopiesAndOpensTheSupportAddressOrTheGuidesFaultSection) {
    window.cmdProtocol_Click(2);
    EXPECT_EQ(boxes.informed, QStringList({mailNotice()}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), protocol());
    const QString address = supportEmail().trimmed();
    EXPECT_EQ(shell.opened, QStringList({address.isEmpty() ? userGuideFaultSection(0)
                                                           : QStringLiteral("mailto:") + address}));
    EXPECT_TRUE(shell.opened[0].endsWith(address.isEmpty() ? "/README.HTM#fault-de" : address));
}
