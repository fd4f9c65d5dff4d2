// Own picture sets: making one from a folder of 20 raster pictures of 1200 × 620 pixels (read,
// checked, made into a grid, stored), and choosing it afterwards (read from the data folder,
// its first cell cut) against the same grid handed over in memory as a plug-in hands it.

#include "BenchReporter.h"
#include "ownsets/OwnSetImport.h"
#include "ownsets/OwnSetStore.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "sheet/SizeNotes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace zavolin::bench {
namespace {

constexpr double MakeTargetMs = 1000;
const QStringList Values = {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};

// A picture like a drawing: gradients, shapes and text, not one flat colour.
QImage drawing(int k) {
    QImage image(1200, 620, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 1200, 620);
    gradient.setColorAt(0, QColor::fromHsv(k * 18, 80, 250));
    gradient.setColorAt(1, QColor::fromHsv(k * 18 + 40, 200, 180));
    painter.fillRect(image.rect(), gradient);
    QRandomGenerator random(quint32(k + 1));
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 160, 200, 160));
        painter.drawEllipse(QPointF(random.bounded(1200), random.bounded(620)),
                            random.bounded(10, 120), random.bounded(10, 120));
    }
    QFont font;
    font.setPixelSize(260);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, Values[k / 2]);
    return image;
}

struct Folders {
    QTemporaryDir pictures;
    QTemporaryDir data;
    bool ready = false;

    Folders() {
        if (!pictures.isValid() || !data.isValid())
            return;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        for (int k = 0; k < 20; ++k)
            if (!drawing(k).save(QDir(pictures.path())
                                     .filePath(QStringLiteral("%1-%2.png")
                                                   .arg(Values[k / 2], k % 2 ? "back" : "front"))))
                return;
        ready = true;
    }
};

Folders& folders() {
    static Folders made;
    return made;
}

void makeSet(benchmark::State& state) {
    if (!folders().ready) {
        state.SkipWithError("the pictures could not be written");
        return;
    }
    SizeTable sizes;
    SizeNotes(sizes);
    QStringList made;
    QString error;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        made << QStringLiteral("Bench %1").arg(made.size());
        try {
            const PreparedSet set = prepareOwnSet(folders().pictures.path(), sizes);
            if (set.stopped())
                error = set.errors().join(QStringLiteral("; "));
            else
                storeOwnSet(made.last(), set.grid, set.extension);
        } catch (const RuntimeError& e) {
            error = e.description();
        }
        if (failed(state, error))
            return;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count() /
        double(state.iterations());
    for (const QString& name : made)
        removeOwnSet(name);
    state.SetLabel(QStringLiteral("target <= %1 ms: %2")
                       .arg(MakeTargetMs)
                       .arg(ms <= MakeTargetMs ? "ok" : "OVER")
                       .toStdString());
}

// Choosing the set: `fromStore` reads the stored set, otherwise the same grid's bytes are
// decoded as a plug-in's are when it hands them over.
void chooseSet(benchmark::State& state, bool fromStore) {
    if (!folders().ready) {
        state.SkipWithError("the pictures could not be written");
        return;
    }
    SizeTable sizes;
    SizeNotes(sizes);
    const QString name = QStringLiteral("Chosen");
    QByteArray grid;
    QString error;
    try {
        const PreparedSet set = prepareOwnSet(folders().pictures.path(), sizes);
        grid = set.grid;
        if (!ownSetNames().contains(name))
            storeOwnSet(name, set.grid, set.extension);
    } catch (const RuntimeError& e) {
        error = e.description();
    }
    if (failed(state, error))
        return;
    for (auto _ : state) {
        PictureClip clip;
        clip.setPicture(fromStore ? loadOwnSet(name) : loadPicture(grid));
        benchmark::DoNotOptimize(clip.GraphicCell(0).get());
    }
    state.counters["grid_bytes"] = double(grid.size());
}

BENCHMARK(makeSet)->Name("OwnSet/make/20x1200x620")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(chooseSet, stored, true)
    ->Name("OwnSet/choose/stored")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(chooseSet, plugin, false)
    ->Name("OwnSet/choose/same-grid-as-a-plug-in-hands-it")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace zavolin::bench
