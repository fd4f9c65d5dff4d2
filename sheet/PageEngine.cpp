#include "PageEngine.h"

#include "CoinStrips.h"
#include "CutLineColour.h"
#include "PaintCoins.h"
#include "PaintNotes.h"
#include "platform/Conversions.h"
#include "platform/Printer.h"

namespace zavolin {

void drawPage(DrawingSurface& target, const PageRequest& page, float scale,
              const PageContent& content, CallerTrap trap, const DrawLabels& labels) {
    if (trap.test(labels.choice, [&] { return page.isBanknote(); }))
        trap.at(labels.notes,
                [&] { PaintNotes(target, page.index(), scale, content.sheet, content.notes); });
    else
        trap.at(labels.coins, [&] {
            PaintCoins(target, page.index(), scale, content.sheet, &imgCoins(page.Side));
        });
}

void printPages(Printer& printer, const QList<PageRequest>& pages, const PageContent& content,
                const PrintJob& job, CallerTrap trap, const PrintLabels& labels) {
    qint16 copies = 0;
    trap.at(labels.readCopies, [&] { copies = toInt16(printer.copies()); });
    const auto askForCopies = [&] { printer.setCopies(job.copies()); };
    if (job.refusedCopies == RefusedCopies::Fail)
        askForCopies();
    else
        trap.quietly(askForCopies);
    // An empty line opens the document and its first page.
    trap.at(labels.open, [&] { printer.printLine(QString()); });
    trap.at(labels.foreColor, [&] { printer.setForeColor(CutLineGrey); });
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            trap.at(labels.page.choice, [&] { printer.newPage(); });
        drawPage(printer, pages[i], 1, content, trap, labels.page);
    }
    trap.at(labels.end, [&] { printer.endDoc(); });
    trap.quietly([&] { printer.setCopies(copies); });
}

} // namespace zavolin
