// A whole set (the eleven values, fronts and backs: 22 pages) written to a PDF with the classic
// picture set the program ships, as the set dialog's "Save as PDF" and the headless command's
// --whole-set make it. Also how often the drawing gives the window a chance to show progress
// and take a cancel: the longest gap between two of those moments.

#include "BenchReporter.h"
#include "ClassicSet.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/print/PdfFilePrinter.h"
#include "sheet/SizeNotes.h"
#include "sheet/WholeSet.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace zavolin::bench {
namespace {

constexpr double TargetMs = 2000;
constexpr double TargetBytes = 5e6;
constexpr double ResponsiveMs = 200;

using Clock = std::chrono::steady_clock;

void wholeSetPdf(benchmark::State& state) {
    const std::shared_ptr<const Picture> picture = classicSet();
    if (!picture) {
        state.SkipWithError("the classic picture set could not be read");
        return;
    }
    PictureClip clip;
    clip.setPicture(picture);
    SizeTable sizes;
    SizeNotes(sizes);
    const QList<PageRequest> pages = numberedSetPages(1);
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("set.pdf"));
    double longestGapMs = 0;
    QString error;
    for (auto _ : state) {
        Clock::time_point last = Clock::now();
        SetProgress progress;
        progress.keepGoing = [&] {
            const Clock::time_point now = Clock::now();
            longestGapMs = std::max(longestGapMs,
                                    std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            return true;
        };
        try {
            const auto printer = openPdfFilePrinter(target, PdfPaper::A4);
            printSetPages(*printer, pages, {sizes, {}, clip}, 1, progress);
        } catch (const RuntimeError& e) {
            error = e.description();
        }
        if (failed(state, error))
            return;
    }
    const double bytes = double(QFileInfo(target).size());
    state.counters["pages"] = double(pages.size());
    state.counters["pdf_bytes"] = bytes;
    state.counters["longest_gap_ms"] = longestGapMs;
    state.SetLabel(QStringLiteral("targets: <= %1 ms, <= %2 MB (%3), gap <= %4 ms (%5)")
                       .arg(TargetMs)
                       .arg(TargetBytes / 1e6)
                       .arg(bytes <= TargetBytes ? "ok" : "OVER")
                       .arg(ResponsiveMs)
                       .arg(longestGapMs <= ResponsiveMs ? "ok" : "OVER")
                       .toStdString());
}

BENCHMARK(wholeSetPdf)->Name("WholeSet/classic/pdf")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace zavolin::bench
