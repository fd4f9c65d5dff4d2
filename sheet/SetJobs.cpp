#include "SetJobs.h"

#include "platform/print/CupsQueue.h"
#include "platform/print/CupsQueuePrinter.h"

namespace zavolin {

void printSetJobs(const QString& queue, std::optional<StandardPaper> paper,
                  const QList<SetDocument>& documents, const SetContent& content, int copies,
                  const SetProgress& progress, const std::function<void()>& beforeNext,
                  QStringList& sent) {
    // Said now rather than after the drawing; the job itself is checked again when sent.
    requireQueueTakesJobs(queue);
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (i > 0 && beforeNext)
            beforeNext();
        CupsJobOptions options;
        options.sides = documents[i].twoSided ? JobSides::TwoSidedLongEdge : JobSides::OneSided;
        options.collatedCopies = true;
        options.paper = paper;
        const std::unique_ptr<QtPrinter> printer = openCupsQueuePrinter(queue, options);
        printSetPages(*printer, documents[i].pages, content, copies, progress);
        sent.append(printer->lastDelivery());
    }
}

} // namespace zavolin
