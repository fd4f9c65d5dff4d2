#pragma once

#include <QString>

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

// Raises PrinterError with a one-sentence message naming the queue when it is paused or not
// accepting jobs, so nothing is sent that would wait there or be turned away.
void requireQueueTakesJobs(const QString& queue);

} // namespace zavolin
