#pragma once

#include "CallerTrap.h"
#include "PageRequest.h"
#include "SheetContext.h"

#include <QList>
#include <functional>
#include <optional>

namespace zavolin {

class DrawingSurface;
class PictureClip;
class Printer;

// What pages are drawn from: the sizes, the page geometry of their size and the print
// offsets, and the banknote picture set. The coin strips are the program's own.
struct PageContent {
    SheetContext sheet;
    const PictureClip& notes;
    // The paper's vertical centre line in the target's coordinates at scale 1 (millimetres
    // from the printable area's left edge, paperCentreLine()): pages turned over and the
    // calibration marks are placed about it.
    std::optional<double> paperCentreLine = std::nullopt;
};

// The caller's labels for drawing a page: the choice between the two painters, the banknote
// painter and the coin painter.
struct DrawLabels {
    qint32 choice = 0;
    qint32 notes = 0;
    qint32 coins = 0;
};

// Draws the page onto the target at `scale` target units per millimetre, adding to what the
// target holds: PaintNotes for a banknote, PaintCoins with the side's strip for the coin sheet,
// placed for the back of a turned sheet when the page asks for it; the calibration marks for a
// calibration page; then the page's footnote. A turned or calibration page without the paper's
// centre line raises InvalidProcedureCall.
void drawPage(DrawingSurface& target, const PageRequest& page, float scale,
              const PageContent& content, CallerTrap trap = {}, const DrawLabels& labels = {});

// What happens when the printer refuses the copy count asked for.
enum class RefusedCopies {
    KeepPrintersOwn, // print with the count the printer had, say nothing
    Fail,            // raise the printer's refusal
};

struct PrintJob {
    // The copy count to ask the printer for; formed when the job starts, so a count that cannot
    // be formed counts as refused.
    std::function<int()> copies = [] { return 1; };
    RefusedCopies refusedCopies = RefusedCopies::KeepPrintersOwn;
    // Asked before each page and after each picture drawn, so a long job can show that it is
    // working and be stopped: false stops it by raising PrintCancelled, with the document still
    // open. Whoever owns the printer then drops it, and with it the document: nothing is handed
    // to the printer.
    std::function<bool()> keepGoing;
};

// Raised when a job's keepGoing says stop.
struct PrintCancelled {};

// What a page of a job is drawn from, asked once a page just before it is drawn; the content's
// references must hold until the next page is asked for.
using ContentFor = std::function<PageContent(const PageRequest&)>;

// The caller's labels for a print job.
struct PrintLabels {
    qint32 readCopies = 0;
    qint32 open = 0;
    qint32 foreColor = 0;
    DrawLabels page;
    qint32 end = 0;
};

// Prints the pages in order as one document at scale 1 (the printer's unit, millimetres):
// keeps the printer's copy count, sets the job's, opens the document, sets the cut lines' grey
// (the preview's) as the foreground colour, draws each page on a page of its own, hands the
// document to the printer and gives the printer its copy count back. Every page is drawn with the
// content's geometry.
void printPages(Printer& printer, const QList<PageRequest>& pages, const PageContent& content,
                const PrintJob& job, CallerTrap trap = {}, const PrintLabels& labels = {});
// The same with content of each page's own, such as the geometry of its size.
void printPages(Printer& printer, const QList<PageRequest>& pages, const ContentFor& contentFor,
                const PrintJob& job, CallerTrap trap = {}, const PrintLabels& labels = {});

} // namespace zavolin
