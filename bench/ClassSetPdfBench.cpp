// Class sets saved as PDF with the classic picture set the program ships: a whole set (22
// pages) in one column and in as many as fit, 22 copies of it (484 pages) and 99 copies (2178
// pages), a class's notes counted by value (30 children with ten notes of each banknote value,
// 588 pages), each written by the PDF writer that draws every distinct picture once and, for
// comparison in the same run, by Qt's own PDF engine painting every note. Run alone for a
// document's peak memory: --benchmark_filter=ClassSet/shared/99.

#include "BenchReporter.h"
#include "ClassicSet.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/PdfFilePrinter.h"
#include "sheet/SetCounts.h"
#include "sheet/SizeNotes.h"
#include "sheet/WholeSet.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>
#include <sys/resource.h>

namespace zavolin::bench {
namespace {

constexpr double SetBytes = 1e6;      // a whole set, either layout
constexpr double ClassBytes = 1.5e6;  // 22 copies of it
constexpr double CountedBytes = 2e6;  // a class's notes counted by value
constexpr double ManyCopiesMs = 5000; // 99 copies
constexpr double ManyCopiesMb = 100;  // peak memory of the process writing 99 copies

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

// The sheets of a class of 30 children with ten notes of each banknote value, on A4 as a file.
QList<qint16> classSheets(const SetContent& content) {
    QtPrinter measuring(pdfPrinterPaper(PdfPaper::A4), nullptr);
    return planCounts(countsForChildren(30, parseCounts(QStringLiteral("10,coins=0"))),
                      [&](qint16 Denom) { return itemsOnSheet(measuring, Denom, content); })
        .sheetValues();
}

// copies 0: the class's counted notes, once.
void classSetPdf(benchmark::State& state, PdfWriter writer, ColumnLayout columns, int copies) {
    const std::shared_ptr<const Picture> picture = classicSet();
    if (!picture) {
        state.SkipWithError("the classic picture set could not be read");
        return;
    }
    PictureClip clip;
    clip.setPicture(picture);
    SizeTable sizes;
    SizeNotes(sizes);
    const SetContent content{sizes, {}, clip, columns};
    const QList<PageRequest> pages =
        copies > 0 ? numberedSetPages(copies) : numberedSetPages(1, classSheets(content));
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("class.pdf"));
    QString error;
    double cpu = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        try {
            const auto printer = openPdfFilePrinter(target, PdfPaper::A4);
            printer->setPdfWriter(writer);
            printSetPages(*printer, pages, content, 1);
        } catch (const RuntimeError& e) {
            error = e.description();
        }
        cpu += cpuSeconds() - start;
        if (failed(state, error))
            return;
    }
    const double bytes = double(QFileInfo(target).size());
    const double cpuMs = 1000 * cpu / double(state.iterations());
    state.counters["pages"] = double(pages.size());
    state.counters["pdf_bytes"] = bytes;
    state.counters["cpu_ms"] = cpuMs;
    state.counters["process_peak_mb"] = peakMegabytes();
    if (writer != PdfWriter::SharedPictures) {
        state.SetLabel("Qt's PDF engine, for comparison");
        return;
    }
    QString label;
    if (copies == 1)
        label = QStringLiteral("target: <= %1 MB (%2)")
                    .arg(SetBytes / 1e6)
                    .arg(bytes <= SetBytes ? "ok" : "OVER");
    else if (copies == 0)
        label = QStringLiteral("targets: <= %1 MB (%2), time <= 2 x the 22-page set's")
                    .arg(CountedBytes / 1e6)
                    .arg(bytes <= CountedBytes ? "ok" : "OVER");
    else if (copies == 22)
        label = QStringLiteral("targets: <= %1 MB (%2), time <= 1.5 x the 22-page set's")
                    .arg(ClassBytes / 1e6)
                    .arg(bytes <= ClassBytes ? "ok" : "OVER");
    else
        label = QStringLiteral("targets: <= %1 ms (%2), peak <= %3 MB when run alone (%4)")
                    .arg(ManyCopiesMs)
                    .arg(cpuMs <= ManyCopiesMs ? "ok" : "OVER")
                    .arg(ManyCopiesMb)
                    .arg(peakMegabytes() <= ManyCopiesMb ? "ok" : "OVER");
    state.SetLabel(label.toStdString());
}

void registerClassSets() {
    struct Document {
        const char* name;
        ColumnLayout columns;
        int copies;
        bool withQt; // Qt's engine on 99 copies takes minutes and half a gigabyte: left out
    };
    const Document documents[] = {
        {"set/one-column", ColumnLayout::One, 1, true},
        {"set/columns", ColumnLayout::AsManyAsFit, 1, true},
        {"22-copies/columns", ColumnLayout::AsManyAsFit, 22, true},
        {"30-children-10-each/columns", ColumnLayout::AsManyAsFit, 0, false},
        {"99-copies/one-column", ColumnLayout::One, 99, false},
    };
    for (const Document& d : documents)
        for (const PdfWriter writer : {PdfWriter::SharedPictures, PdfWriter::PaintedByQt}) {
            if (writer == PdfWriter::PaintedByQt && !d.withQt)
                continue;
            const std::string name = std::string("ClassSet/") +
                                     (writer == PdfWriter::SharedPictures ? "shared/" : "qt/") +
                                     d.name;
            benchmark::RegisterBenchmark(name.c_str(),
                                         [d, writer](benchmark::State& state) {
                                             classSetPdf(state, writer, d.columns, d.copies);
                                         })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(d.copies != 1 && writer == PdfWriter::PaintedByQt ? 1 : 3);
        }
}

const bool registered = (registerClassSets(), true);

} // namespace
} // namespace zavolin::bench
