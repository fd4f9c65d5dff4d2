#pragma once

#include "platform/print/QtPrinter.h"

#include <QString>
#include <memory>
#include <optional>

namespace zavolin {

// How a job asks the printer to use the sheet's sides.
enum class JobSides { QueueDefault, OneSided, TwoSidedLongEdge };

struct CupsJobOptions {
    JobSides sides = JobSides::QueueDefault;
    // Copies of a document of several pages come out each as the whole sequence, not each page
    // n times; a single page leaves copies to the printer.
    bool collatedCopies = false;
    // The paper to print on; the queue's default when none.
    std::optional<StandardPaper> paper = std::nullopt;
};

// The paper of a CUPS queue: the given one or else its default page size, and that page's
// unprintable edges (the PPD's imageable area).
PrinterPaper cupsQueuePaper(const QString& queue, std::optional<StandardPaper> paper = {});

// A printer on the named CUPS queue; each document is handed to the scheduler through libcups
// as one job with the options, after the queue is asked whether it takes jobs, so a paused or
// refusing queue and a refused job raise PrinterError instead of the job waiting or vanishing.
// Raises PrinterError for an unknown queue.
std::unique_ptr<QtPrinter> openCupsQueuePrinter(const QString& queue, CupsJobOptions options = {});

// A print job handed to a CUPS queue.
struct CupsJob {
    QString queue;
    int id = 0;
};

// The job a delivery of a printer on a CUPS queue names ("queue-id", as lp reports a job); none
// for any other delivery, such as a file's path: queue names hold no "/".
std::optional<CupsJob> cupsJobOf(const QString& delivery);

} // namespace zavolin
