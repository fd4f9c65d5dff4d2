// A class's drawing pages back from the scanner: 11 A4 pages at 300 dpi in one PDF (the three
// drawing pages of each of three children, turned and scaled as a scanner's feeder leaves them,
// two of them scanned twice), made into a set: every page drawn, found by its codes and cut.
// Reports the cells' largest placement error against where they were drawn.

#include "BenchReporter.h"
#include "ownsets/OwnSetImport.h"
#include "sheet/DrawingPageJobs.h"
#include "sheet/DrawingPages.h"
#include "sheet/SizeNotes.h"
#include "support/DrawnScans.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace zavolin::bench {
namespace {

constexpr double ImportTargetMs = 5000;
constexpr int ScanDpi = 300;
constexpr int ScannedPages = 11;
constexpr double FileEdge = 5;

struct Scans {
    QTemporaryDir dir;
    QString pdf;
    QString problem;

    Scans() {
        SizeTable sizes;
        SizeNotes(sizes);
        const QString pages = dir.filePath(QStringLiteral("pages.pdf"));
        const QList<qint16> values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        writeDrawingPages(pages, StandardPaper::A4, sizes, values);
        const QSizeF target(210 - 2 * FileEdge, 297 - 2 * FileEdge);
        const QList<QList<qint16>> cells = drawingPageCells(sizes, target, values);
        QList<QImage> drawn;
        for (qsizetype p = 0; p < cells.size(); ++p) {
            const DrawingPageLayout layout = drawingPageLayout(sizes, target, cells[p]);
            QList<test::DrawnFrame> frames;
            for (qsizetype i = 0; i < layout.cells.size(); ++i)
                frames.append({layout.cells[i], layout.frames[i].translated(FileEdge, FileEdge)});
            drawn.append(test::drawnPage(pages, int(p) + 1, ScanDpi, frames));
            if (drawn.last().isNull()) {
                problem = QStringLiteral("pdftoppm could not draw the pages");
                return;
            }
        }
        const test::ScanTwist twists[] = {{0.6, 1.0, 30, false},
                                          {179.2, 0.97, 20, false},
                                          {-1.5, 1.02, 10, false},
                                          {90.3, 1.0, 0, false},
                                          {-0.8, 0.99, 40, false}};
        QList<QImage> scanned;
        for (int i = 0; i < ScannedPages; ++i)
            scanned.append(test::twisted(drawn[i % drawn.size()], twists[i % 5]));
        pdf = dir.filePath(QStringLiteral("scan.pdf"));
        if (!test::writeScanPdf(pdf, scanned, ScanDpi, 85))
            problem = QStringLiteral("the scan could not be written");
    }
};

void importScans(benchmark::State& state) {
    static Scans scans;
    if (failed(state, scans.problem))
        return;
    SizeTable sizes;
    SizeNotes(sizes);
    PreparedSet set;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        set = prepareOwnSet(scans.pdf, sizes);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count() /
        double(state.iterations());
    if (failed(state, set.errors().join(QStringLiteral("; "))))
        return;
    QImage grid;
    grid.loadFromData(set.grid);
    double error = 0;
    int wrong = 0;
    for (int k = 0; k < 20; ++k) {
        const test::DrawnCell cell = test::drawnCell(grid, k, sizes.at(k + 1).Width);
        error = std::max(error, cell.paperAtEdge);
        wrong += cell.rightColour ? 0 : 1;
    }
    state.counters["placement_error_mm"] = error;
    state.counters["cells_wrong"] = wrong;
    state.SetLabel(QStringLiteral("target <= %1 ms: %2")
                       .arg(ImportTargetMs)
                       .arg(ms <= ImportTargetMs ? "ok" : "OVER")
                       .toStdString());
}

} // namespace

BENCHMARK(importScans)
    ->Name("OwnSet/scans/11xA4@300dpi")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace zavolin::bench
