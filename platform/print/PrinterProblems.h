#pragma once

#include <QString>

namespace zavolin {

// What the user reads when a printer cannot take a job, in the current language (the program's
// translations apply), each saying what to do about it.

// The queue does not exist (any more).
QString printerMissingText(const QString& queue);
// The queue an environment variable (LPDEST, PRINTER) names does not exist.
QString printerNamedMissingText(const QString& queue, const QString& variable);
// The queue is set to refuse jobs; reason is the queue's state message, if any.
QString printerRejectingText(const QString& queue, const QString& reason);
// The queue is stopped: a job would wait unprinted.
QString printerPausedText(const QString& queue, const QString& reason);
// The scheduler took no job or no document for the queue; reason is its answer.
QString printerRefusedText(const QString& queue, const QString& reason);
// The print scheduler does not answer.
QString schedulerUnreachableText(const QString& queue, const QString& server,
                                 const QString& reason);

} // namespace zavolin
