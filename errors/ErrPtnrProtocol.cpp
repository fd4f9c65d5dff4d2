// The error window's protocol: building it from what the window shows, the log, and the print,
// save and e-mail actions. The actions carry no error trap; every failure ends in a message.
#include "ErrPtnr.h"
#include "ProtocolFiles.h"
#include "ProtocolMessages.h"
#include "ProtocolPrint.h"
#include "platform/base/Clock.h"
#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/OsVersion.h"
#include "platform/desktop/Shell.h"
#include "platform/desktop/UserGuide.h"
#include "platform/files/NewFile.h"
#include "platform/print/Printer.h"
#include "platform/settings/SettingsStore.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QtDebug>

namespace zavolin {

QString ErrPtnr::LPSTRToVBString(const QByteArray& s) {
    return zavolin::LPSTRToVBString(s);
}

ProtocolFields ErrPtnr::protocolFields() const {
    ProtocolFields fields;
    fields.progInfoCaption = framProgInfo->title();
    fields.progInfo = lblProgInfo->text();
    fields.errorCaption = framFehler->title();
    for (std::size_t i = 0; i < fields.titles.size(); ++i) {
        fields.titles[i] = lblErrTitel[i]->text();
        fields.values[i] = lblError[i]->text();
    }
    fields.time = Clock::current().now();
    fields.os = OsVersionSource::current().read();
    return fields;
}

void ErrPtnr::BuildProtocol(QString& protocol) const {
    protocol = buildProtocol(protocolFields());
}

void ErrPtnr::AppendErrorLog() {
    appendToErrorLog(protocolFields());
}

void ErrPtnr::appendToErrorLog(const ProtocolFields& fields) {
    const QString entry = buildProtocol(fields) + QString::fromLatin1(ProtocolLineEnd);
    // The window must show and answer even when no log can be written.
    if (appendToLog(entry.toLocal8Bit()).isEmpty())
        qWarning("The error log could not be written beside the program nor in the user's data "
                 "directory.");
}

void ErrPtnr::cmdProtocol_Click(int index) {
    QString protocol;
    BuildProtocol(protocol);
    switch (index) {
    case 0:
        printProtocol(protocol);
        break;
    case 1:
        saveProtocol(protocol);
        break;
    case 2:
        mailProtocol(protocol);
        break;
    default:
        break;
    }
}

void ErrPtnr::printProtocol(const QString& protocol) {
    QString failure;
    try {
        Printer& printer = Printer::current();
        for (const QString& line : printerLines(protocol))
            printer.printLine(line);
        printer.endDoc();
        return;
    } catch (const RuntimeError& error) {
        failure = error.description();
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    MessageBoxes::current().inform(this, protocolPrintFailed(failure));
}

void ErrPtnr::saveProtocol(const QString& protocol) {
    const QString file = protocolFilePath(QStringLiteral(".ERR"));
    if (QFileInfo::exists(file) && !MessageBoxes::current().askYesNo(this, overwriteQuestion(file)))
        return;
    const QString text = protocol + QString::fromLatin1(ProtocolLineEnd);
    try {
        replaceFile(file, text.toLocal8Bit());
    } catch (const RuntimeError& e) {
        MessageBoxes::current().inform(this, protocolSaveFailed(file, e.description()));
        return;
    }
    MessageBoxes::current().inform(this, protocolSavedReport(file));
}

void ErrPtnr::mailProtocol(const QString& protocol) {
    MessageBoxes::current().inform(this, mailNotice());
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(protocol);
    }
    // Without an address the guide says where a fault goes; the protocol waits in the clipboard.
    const QString address = supportEmail().trimmed();
    Shell::current().open(address.isEmpty()
                              ? userGuideFaultSection(readSetting(Settings::Sprache).toShort())
                              : QStringLiteral("mailto:") + address);
}

} // namespace zavolin
