// As many columns as fit: a page of "1" notes written to a PDF in two columns against the same
// page in one, with the classic picture set (vector) and a raster set, and the sheets of paper
// a class set takes in each layout on A4 with a common printer's 5 mm edges.

#include "BenchReporter.h"
#include "ClassicSet.h"
#include "PictureSets.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/print/PdfFilePrinter.h"
#include "sheet/SizeNotes.h"
#include "sheet/WholeSet.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace zavolin::bench {
namespace {

constexpr double TargetRatio = 1.3;
// A class of 30 children, ten notes of each banknote value each, printed on both sides.
constexpr int ClassNotes = 30 * 10;

using Clock = std::chrono::steady_clock;

// One page of "1" notes to a PDF file, each layout in turn, so both see the same machine.
void twoColumnPage(benchmark::State& state, bool vector) {
    const std::shared_ptr<const Picture> picture =
        vector ? classicSet() : loadPicture(encodedRasterSet("PNG"));
    if (!picture) {
        state.SkipWithError("the picture set could not be read");
        return;
    }
    PictureClip clip;
    clip.setPicture(picture);
    SizeTable sizes;
    SizeNotes(sizes);
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("page.pdf"));
    const QList<PageRequest> page = {{1, 0}};
    QString error;
    const auto print = [&](ColumnLayout columns) {
        const Clock::time_point start = Clock::now();
        try {
            const auto printer = openPdfFilePrinter(target, PdfPaper::A4);
            printSetPages(*printer, page, {sizes, {}, clip, columns}, 1);
        } catch (const RuntimeError& e) {
            error = e.description();
        }
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    print(ColumnLayout::One); // the cell made once, as after choosing the set
    double one = 0;
    double two = 0;
    for (auto _ : state) {
        one += print(ColumnLayout::One);
        two += print(ColumnLayout::AsManyAsFit);
        if (failed(state, error))
            return;
    }
    const double ratio = two / one;
    state.counters["one_column_ms"] = one / double(state.iterations());
    state.counters["two_columns_ms"] = two / double(state.iterations());
    state.counters["ratio"] = ratio;
    state.SetLabel(QStringLiteral("two columns <= %1 x one: %2")
                       .arg(TargetRatio)
                       .arg(ratio <= TargetRatio ? "ok" : "OVER")
                       .toStdString());
}

// Sheets of paper for the class set: each value's notes on as many sheets as they need, the
// backs on the other sides.
void classSetPaper(benchmark::State& state) {
    SizeTable sizes;
    SizeNotes(sizes);
    const PictureClip clip;
    QTemporaryDir folder;
    int sheets[2] = {0, 0};
    QString error;
    for (auto _ : state) {
        try {
            const auto printer =
                openPdfFilePrinter(folder.filePath(QStringLiteral("unused.pdf")), PdfPaper::A4);
            for (const ColumnLayout columns : {ColumnLayout::One, ColumnLayout::AsManyAsFit}) {
                int& total = sheets[columns == ColumnLayout::One ? 0 : 1];
                total = 0;
                for (qint16 Denom = 1; Denom <= 10; ++Denom) {
                    const qint32 notes = itemsOnSheet(*printer, Denom, {sizes, {}, clip, columns});
                    total += (ClassNotes + notes - 1) / notes;
                }
            }
        } catch (const RuntimeError& e) {
            error = e.description();
        }
        if (failed(state, error))
            return;
    }
    state.counters["sheets_one_column"] = sheets[0];
    state.counters["sheets_as_many_as_fit"] = sheets[1];
    state.SetLabel(QStringLiteral("30 x 10 notes of each value, A4, both sides").toStdString());
}

BENCHMARK_CAPTURE(twoColumnPage, classic, true)
    ->Name("Columns/classic/1/pdf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(twoColumnPage, raster, false)
    ->Name("Columns/raster-png/1/pdf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(classSetPaper)->Name("Columns/class-set/paper")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zavolin::bench
