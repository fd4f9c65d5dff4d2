#pragma once

#include <QString>

namespace zavolin {

// The texts of the message boxes the protocol actions show, German first.

// Asked before an existing protocol file is replaced.
QString overwriteQuestion(const QString& file);
// Reported after the protocol has been saved.
QString protocolSavedReport(const QString& file);
// Shown before the e-mail program is opened.
QString mailNotice();
// Reported when the protocol file could not be written.
QString protocolSaveFailed(const QString& file, const QString& reason);
// Reported when the printer refused the protocol.
QString protocolPrintFailed(const QString& reason);

} // namespace zavolin
