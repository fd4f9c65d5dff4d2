// Preview repaints and printed pages of the largest sheets, with a raster and a vector picture
// set. Each benchmark checks its result against the target it is held to and says so in its
// label; a failure the error trap reports stops the benchmark with that failure.

#include "BenchReporter.h"
#include "PictureSets.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/VectorPicture.h"
#include "platform/print/PdfFilePrinter.h"
#include "sheet/ImageSurface.h"
#include "sheet/PageEngine.h"
#include "sheet/PreviewScale.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SizeNotes.h"

#include <QFileInfo>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>

namespace zavolin::bench {
namespace {

constexpr int PreviewHeight = 1000;
constexpr double PreviewTargetMs = 5;
constexpr double PrintTargetMs = 250;
constexpr double RasterPdfTargetBytes = 1.5e6;
constexpr double VectorPdfTargetBytes = 300e3;

enum class Set {
    RasterPng,
    RasterJpeg,
    Vector,
    // The vector set without its SVG text: every cell draws the whole set under a clip, as
    // cells did before they became documents of their own. For comparison only.
    VectorWhole,
};

const char* setName(Set set) {
    switch (set) {
    case Set::RasterPng:
        return "raster-png";
    case Set::RasterJpeg:
        return "raster-jpeg";
    case Set::Vector:
        return "vector";
    case Set::VectorWhole:
        return "vector-whole-set-clipped";
    }
    return "";
}

bool isVector(Set set) {
    return set == Set::Vector || set == Set::VectorWhole;
}

std::shared_ptr<const Picture> loadSet(Set set) {
    switch (set) {
    case Set::RasterPng:
        return loadPicture(encodedRasterSet("PNG"));
    case Set::RasterJpeg:
        return loadPicture(encodedRasterSet("JPEG"));
    case Set::Vector:
        return loadPicture(vectorSet());
    case Set::VectorWhole:
        return std::make_shared<VectorPicture>(std::make_shared<QSvgRenderer>(vectorSet()));
    }
    return nullptr;
}

// One clip per set, loaded once; its cells are made by the first paint that needs them.
const PictureClip& clipFor(Set set) {
    static std::map<Set, PictureClip> clips;
    auto it = clips.find(set);
    if (it == clips.end()) {
        it = clips.emplace(set, PictureClip()).first;
        it->second.setPicture(loadSet(set));
    }
    return it->second;
}

QString verdict(double value, double target) {
    return value <= target ? QStringLiteral("ok") : QStringLiteral("OVER");
}

// The banknote cells of a coin sheet: none are drawn.
const PictureClip NoNotes;

template <typename Run>
double timedMilliseconds(benchmark::State& state, Run&& run) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        run();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    return state.iterations() > 0 ? elapsed.count() / double(state.iterations()) : 0;
}

// One repaint of the preview as the main window does it: cleared, then the sheet painted at
// the preview scale, on a box of the paper's proportions 1000 pixels high. With `afterChoosing`
// every repaint is the first one after the picture set was chosen again: the clip makes the
// cell anew (and a vector cell renders anew).
void previewRepaint(benchmark::State& state, Set set, qint16 denom, bool afterChoosing) {
    QTemporaryDir folder;
    auto printer = openPdfFilePrinter(folder.filePath(QStringLiteral("unused.pdf")), PdfPaper::A4);
    SizeTable sizes;
    SizeNotes(sizes);
    PageGeometry geometry;
    ScaleFactor(*printer, sizes, denom, 0, geometry, {});
    ImageSurface box(QSize(qRound(PreviewHeight / paperRatio(*printer, geometry)), PreviewHeight));
    const float scale = previewScale(PreviewHeight, *printer);
    const SheetContext sheet{sizes, geometry, {}};
    PictureClip ownClip;
    const std::shared_ptr<const Picture> picture = afterChoosing ? loadSet(set) : nullptr;
    const PictureClip& clip = denom == 0 ? NoNotes : afterChoosing ? ownClip : clipFor(set);
    const auto repaint = [&] {
        if (afterChoosing)
            ownClip.setPicture(picture);
        box.clear();
        drawPage(box, {denom, 0}, scale, {sheet, clip});
        benchmark::DoNotOptimize(box.image().constBits());
    };
    repaint(); // makes the cells, as the first repaint after choosing a set does
    if (failed(state))
        return;
    const double ms = timedMilliseconds(state, repaint);
    if (failed(state))
        return;
    state.counters["items"] = geometry.RowsPerPage;
    state.SetLabel(QStringLiteral("%1x%2 px, target <= 5 ms: %3")
                       .arg(box.image().width())
                       .arg(box.image().height())
                       .arg(verdict(ms, PreviewTargetMs))
                       .toStdString());
}

// One printed page as the print command makes it: a PDF printer on A4, the page geometry,
// grey cut lines, the sheet at scale 1, the end of the document (the file written).
void printedPage(benchmark::State& state, Set set, qint16 denom) {
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("page.pdf"));
    SizeTable sizes;
    SizeNotes(sizes);
    const PictureClip& clip = denom > 0 ? clipFor(set) : NoNotes;
    float items = 0;
    QString error;
    const auto print = [&] {
        try {
            auto printer = openPdfFilePrinter(target, PdfPaper::A4);
            PageGeometry geometry;
            ScaleFactor(*printer, sizes, denom, 0, geometry, {});
            printPages(*printer, {{denom, 0}}, {{sizes, geometry, {}}, clip}, PrintJob());
            items = geometry.RowsPerPage;
        } catch (const RuntimeError& e) {
            error = e.description();
        }
    };
    print();
    if (failed(state, error))
        return;
    const double ms = timedMilliseconds(state, print);
    if (failed(state, error))
        return;
    const double bytes = double(QFileInfo(target).size());
    state.counters["items"] = items;
    state.counters["pdf_bytes"] = bytes;
    QString label = QStringLiteral("target <= 250 ms: %1").arg(verdict(ms, PrintTargetMs));
    if (denom > 0) {
        const double limit = isVector(set) ? VectorPdfTargetBytes : RasterPdfTargetBytes;
        label += QStringLiteral(", size <= %1 KB: %2").arg(limit / 1000).arg(verdict(bytes, limit));
    }
    state.SetLabel(label.toStdString());
}

// Choosing a picture set: reading it and making the first cell (for a vector set, reading
// its document and writing the cell's).
void firstCell(benchmark::State& state, Set set) {
    encodedRasterSet("PNG");
    encodedRasterSet("JPEG");
    vectorSet();
    for (auto _ : state) {
        PictureClip clip;
        clip.setPicture(loadSet(set));
        benchmark::DoNotOptimize(clip.GraphicCell(0).get());
    }
}

const bool registered = [] {
    using benchmark::kMillisecond;
    const Set sets[] = {Set::RasterPng, Set::RasterJpeg, Set::Vector, Set::VectorWhole};
    for (Set set : sets)
        for (qint16 denom : {qint16(1), qint16(10)}) {
            const std::string name =
                std::string(setName(set)) + "/" + denominationCaption(denom).toStdString();
            benchmark::RegisterBenchmark(("Preview/" + name).c_str(), previewRepaint, set, denom,
                                         false)
                ->Unit(kMillisecond);
            benchmark::RegisterBenchmark(("PreviewAfterChoosingSet/" + name).c_str(),
                                         previewRepaint, set, denom, true)
                ->Unit(kMillisecond);
            benchmark::RegisterBenchmark(("Print/" + name).c_str(), printedPage, set, denom)
                ->Unit(kMillisecond)
                ->UseRealTime();
        }
    benchmark::RegisterBenchmark("Preview/coins", previewRepaint, Set::RasterPng, qint16(0), false)
        ->Unit(kMillisecond);
    benchmark::RegisterBenchmark("Print/coins", printedPage, Set::RasterPng, qint16(0))
        ->Unit(kMillisecond)
        ->UseRealTime();
    for (Set set : sets)
        benchmark::RegisterBenchmark((std::string("FirstCell/") + setName(set)).c_str(), firstCell,
                                     set)
            ->Unit(kMillisecond)
            ->UseRealTime();
    return true;
}();

} // namespace
} // namespace zavolin::bench
