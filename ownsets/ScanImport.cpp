#include "ScanImport.h"

#include "DrawingPageFinder.h"
#include "ImportCells.h"
#include "PlainBack.h"
#include "ScannedPages.h"
#include "platform/base/RuntimeError.h"
#include "platform/base/ValueNames.h"

#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <memory>

namespace zavolin {
namespace {

QString noteList(const QList<int>& cells) {
    QStringList names;
    for (int k : cells)
        names << noteName(k);
    return names.join(QStringLiteral(", "));
}

bool fitsItsPage(const DrawingPageLayout& layout) {
    const QRectF page(QPointF(0, 0), layout.target);
    return std::all_of(layout.frames.begin(), layout.frames.end(),
                       [&](const QRectF& frame) { return page.contains(frame); });
}

struct PageJob {
    std::shared_ptr<const ScanFile> file;
    int page = 0;
};

// A cell cut from a page, and the size its frame had in the scan's pixels.
struct CutCell {
    int k = 0;
    QImage image;
    QSizeF scanned;
};

// What one page of a scan held. Made on any thread; taken in the pages' order.
struct PageResult {
    QString where;
    QString failure; // the page could not be read
    DrawingPageSearch search;
    int beyondPaper = 0; // pages whose codes describe frames beyond their paper
    QList<CutCell> cells;
};

PageResult readPage(const SizeTable& sizes, const PageJob& job) {
    PageResult result;
    ScannedPage scanned;
    try {
        scanned = job.file->page(job.page);
    } catch (const RuntimeError& e) {
        result.failure = e.description();
        return result;
    }
    result.where = scanned.where;
    result.search = findDrawingPages(scanned.image, sizes);
    for (const FoundDrawingPage& page : result.search.pages) {
        if (!fitsItsPage(page.layout)) {
            ++result.beyondPaper;
            continue;
        }
        for (qsizetype i = 0; i < page.layout.cells.size(); ++i) {
            const int k = page.layout.cells[i];
            const QRectF frame = page.layout.frames[i];
            result.cells.append(
                {k, cutFrame(scanned.image, page, frame, printedPixels(noteSize(sizes, k))),
                 frame.size() * pixelsPerMillimetre(page, frame.center())});
        }
    }
    return result;
}

// The cells read so far, each with the page it came from.
struct ReadCells {
    std::array<QImage, 20> images;
    std::array<QString, 20> from;
    int pages = 0;
    QStringList withoutPage;
};

void take(PreparedSet& set, ReadCells& read, const SizeTable& sizes, const PageResult& page) {
    if (!page.failure.isEmpty()) {
        addFinding(set, false, page.failure);
        return;
    }
    const DrawingPageSearch& search = page.search;
    for (const int version : search.otherVersions)
        addFinding(set, false,
                   OwnSets::tr("%1: a drawing page of another version of Zavolin (%2), passed "
                               "over: print the pages again from this one")
                       .arg(page.where)
                       .arg(version));
    for (const DrawingPageLabel& label : search.partly)
        addFinding(set, false,
                   OwnSets::tr("%1: only some of the corner codes of the page with %2 could be "
                               "read, so it was passed over: scan the whole page again, its "
                               "corners clean")
                       .arg(page.where, noteList({label.cells.begin(), label.cells.end()})));
    if (page.beyondPaper > 0)
        addFinding(set, false,
                   OwnSets::tr("%1: the page's codes describe frames beyond its paper, so it was "
                               "passed over")
                       .arg(page.where));
    if (search.pages.isEmpty() && search.partly.isEmpty() && search.otherVersions.isEmpty())
        read.withoutPage << page.where;
    read.pages += int(search.pages.size()) - page.beyondPaper;
    for (const CutCell& cell : page.cells) {
        checkCell(set, sizes, cell.k, cell.scanned, true,
                  OwnSets::tr("%1 (%2)").arg(noteName(cell.k), page.where));
        if (!read.from[size_t(cell.k)].isEmpty())
            set.notes << OwnSets::tr("%1 was drawn on %2 and again on %3: the later one is used")
                             .arg(noteName(cell.k), read.from[size_t(cell.k)], page.where);
        read.images[size_t(cell.k)] = cell.image;
        read.from[size_t(cell.k)] = page.where;
    }
}

} // namespace

int prepareFromScans(PreparedSet& set, const QString& source, const QStringList& files,
                     const SizeTable& sizes) {
    QList<PageJob> jobs;
    for (const QString& file : files) {
        try {
            const auto scan = std::make_shared<const ScanFile>(file);
            for (int page = 0; page < scan->pages(); ++page)
                jobs.append({scan, page});
        } catch (const RuntimeError& e) {
            addFinding(set, false, e.description());
        }
    }
    // The pages are drawn and searched side by side, a few at a time so that a class's pages
    // need not all be in memory at once, and taken in their order, so that a later page still
    // wins; only the cells cut from them are kept.
    ReadCells read;
    const qsizetype together = std::max(2, QThread::idealThreadCount());
    for (qsizetype first = 0; first < jobs.size(); first += together) {
        const QList<PageResult> results =
            QtConcurrent::blockingMapped(jobs.mid(first, together), [&sizes](const PageJob& job) {
                return readPage(sizes, job);
            });
        for (const PageResult& result : results)
            take(set, read, sizes, result);
    }

    if (read.pages == 0) {
        // What was found wrong on the way is then why there is nothing.
        for (ImportFinding& finding : set.findings)
            finding.stops = true;
        if (set.findings.isEmpty())
            addFinding(set, true,
                       OwnSets::tr("%1 holds no drawing page: no corner codes of the pages Zavolin "
                                   "prints to draw on were found (print them with “Print drawing "
                                   "pages…”, and scan each page whole)")
                           .arg(source));
        return 0;
    }
    if (!read.withoutPage.isEmpty())
        addFinding(set, false,
                   OwnSets::tr("passed over, holding no drawing page: %1")
                       .arg(read.withoutPage.join(QStringLiteral(", "))));
    QList<int> missingFronts;
    QList<int> missingBacks;
    for (int k = 0; k < 20; ++k)
        if (read.images[size_t(k)].isNull())
            (k % 2 ? missingBacks : missingFronts).append(k);
    if (!missingFronts.isEmpty()) {
        addFinding(set, true,
                   OwnSets::tr("no drawing found for %1: scan their pages too and make the set "
                               "again")
                       .arg(noteList(missingFronts)));
        return read.pages;
    }
    if (!missingBacks.isEmpty())
        addFinding(set, false,
                   OwnSets::tr("no drawing found for %1: they will be plain, with their value")
                       .arg(noteList(missingBacks)));
    for (int k : missingBacks)
        read.images[size_t(k)] =
            plainBack(valueName(qint16(k / 2 + 1)), QSize(CellWidth, CellHeight));
    if (!set.stopped()) {
        set.grid = composeGrid(read.images);
        set.extension = QStringLiteral("jpg");
    }
    return read.pages;
}

} // namespace zavolin
