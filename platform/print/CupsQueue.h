#pragma once

#include "platform/print/PrinterPaper.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zavolin {

// What a CUPS queue can do and whether it takes jobs now, as the scheduler says.
struct CupsQueueStatus {
    bool accepting = true; // printer-is-accepting-jobs
    bool paused = false;   // printer-state is stopped (cupsdisable)
    QString reason;        // the queue's state message or reasons, for a message; may be empty
    bool twoSided = false; // sides-supported offers two-sided-long-edge
};

// Asks the scheduler about the queue. Raises PrinterError naming the queue when there is no
// such queue or the scheduler does not answer.
CupsQueueStatus cupsQueueStatus(const QString& queue);

// The queues the scheduler offers, by name: the one LPDEST or PRINTER names first when it exists,
// else the system's default first, then the others in the scheduler's order. Empty when there is
// no queue or no scheduler to ask.
QStringList cupsQueueNames();

// The system's default queue: the one LPDEST or PRINTER names, else the user's or the system's
// lpoptions, else the scheduler's default; empty when none is set or there is no scheduler to
// ask. One question to the scheduler, where the list of queues asks about each of them.
QString cupsDefaultQueue();

// Whether the scheduler has a queue of that name.
bool cupsQueueExists(const QString& queue);

// Which of the standard papers the queue offers, in their order; A4 alone when it says none.
// Raises PrinterError as cupsQueueStatus.
QList<StandardPaper> cupsQueuePapers(const QString& queue);

// Raises PrinterError with a one-sentence message naming the queue when it is paused or not
// accepting jobs, so nothing is sent that would wait there or be turned away.
void requireQueueTakesJobs(const QString& queue);

} // namespace zavolin
