// The plug-in path: registering a library in the helper process, creating an object and
// reading a member, choosing the shipped classic set, and cutting a cell from a large raster
// picture set. Each benchmark checks
// its time against the target it is held to and says so in its label. The class registry is a
// temporary one, never the user's.

#include "BenchReporter.h"
#include "PictureSets.h"
#include "platform/component/ClassRegistry.h"
#include "platform/component/ComponentObject.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "plugins/RegServe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <zavolin/plugin.h>

namespace zavolin::bench {
namespace {

constexpr double RegisterTargetMs = 50;
constexpr double CreateTargetMs = 5;
constexpr double FirstCellTargetMs = 20;
const QString ExampleProgId = QStringLiteral("ZavolinExample.clsPicture");

// A class registry of the benchmarks' own.
void privateRegistry() {
    static QTemporaryDir data;
    static const bool set = qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    (void)set;
}

QString examplePlugin() {
    return QStringLiteral(ZAVOLIN_EXAMPLE_PLUGIN);
}

QString verdict(double ms, double target) {
    return QStringLiteral("target <= %1 ms: %2")
        .arg(target)
        .arg(ms <= target ? QStringLiteral("ok") : QStringLiteral("OVER"));
}

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// RegServe(path, true) of the SDK's example: the helper process starts, loads the library,
// runs DllRegisterServer (which rewrites the registry) and ends. Unregistered between runs,
// outside the time, so that every run writes the registry.
void RegisterPlugin(benchmark::State& state) {
    privateRegistry();
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        RegServe(examplePlugin(), true);
        const double ms = msSince(start);
        total += ms;
        state.SetIterationTime(ms / 1000);
        if (registeredLibrary(ExampleProgId).isEmpty()) {
            state.SkipWithError("the example did not register");
            return;
        }
        RegServe(examplePlugin(), false);
    }
    if (failed(state))
        return;
    state.SetLabel(verdict(total / double(state.iterations()), RegisterTargetMs).toStdString());
}
BENCHMARK(RegisterPlugin)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);

// createObject of the example's class and one member read, then the release: what
// IsPicturePlugin does for each library at start-up.
void CreateObjectAndReadTyp(benchmark::State& state) {
    privateRegistry();
    RegServe(examplePlugin(), true);
    if (failed(state))
        return;
    const auto start = Clock::now();
    for (auto _ : state) {
        const auto object = createObject(ExampleProgId);
        benchmark::DoNotOptimize(object->call(QStringLiteral("Typ")));
    }
    const double ms = msSince(start) / double(state.iterations());
    RegServe(examplePlugin(), false);
    state.SetLabel(verdict(ms, CreateTargetMs).toStdString());
}
BENCHMARK(CreateObjectAndReadTyp)->Unit(benchmark::kMicrosecond);

// What choosing the shipped classic set costs the plug-in path: an object of its class made,
// GetPicture(1, 1) called, the 700 KB SVG handed over and read, the object released.
void ChooseClassicSet(benchmark::State& state) {
    privateRegistry();
    const QString classic = QStringLiteral(ZAVOLIN_CLASSIC_PLUGIN);
    RegServe(classic, true);
    if (failed(state))
        return;
    const QString progId = QStringLiteral("ZavolinClassic.clsPicture");
    const auto start = Clock::now();
    for (auto _ : state) {
        const auto object = createObject(progId);
        benchmark::DoNotOptimize(
            callPicture(*object, QStringLiteral("GetPicture"), {qint16(1), qint16(1)}));
    }
    state.counters["ms"] = msSince(start) / double(state.iterations());
    RegServe(classic, false);
}
BENCHMARK(ChooseClassicSet)->Unit(benchmark::kMillisecond);

// A class registry of state.range(0) classes, in a data folder of its own for the time of the
// benchmark so that the other benchmarks keep their small one.
class LargeRegistry {
public:
    explicit LargeRegistry(int classes)
        : m_oldData(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        QDir().mkpath(m_data.path() + QStringLiteral("/Zavolin"));
        QFile file(classRegistryPath());
        QByteArray text("[Classes]\n");
        for (int i = 0; i < classes; ++i)
            text += "Bench" + QByteArray::number(i) + ".clsPicture=/opt/bench/Bench" +
                    QByteArray::number(i) + ".dll\n";
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }
    ~LargeRegistry() { qputenv("XDG_DATA_HOME", m_oldData); }
    LargeRegistry(const LargeRegistry&) = delete;
    LargeRegistry& operator=(const LargeRegistry&) = delete;

private:
    QTemporaryDir m_data;
    QByteArray m_oldData;
};

// One lookup of the last class: the whole file is read.
void LookUpInLargeRegistry(benchmark::State& state) {
    const LargeRegistry registry(int(state.range(0)));
    const QByteArray last = "Bench" + QByteArray::number(state.range(0) - 1) + ".clsPicture";
    for (auto _ : state) {
        char* path = nullptr;
        if (zv_lookup_class(last.constData(), &path, nullptr) != ZV_OK) {
            state.SkipWithError("the last class was not found");
            return;
        }
        zv_free(path);
    }
}
BENCHMARK(LookUpInLargeRegistry)->Arg(40000)->Unit(benchmark::kMillisecond);

// One registration of a new class, then its removal: each reads the file and writes it back.
void RegisterInLargeRegistry(benchmark::State& state) {
    const LargeRegistry registry(int(state.range(0)));
    for (auto _ : state) {
        if (zv_register_class("BenchNew.clsPicture", "/opt/bench/BenchNew.dll") != ZV_OK ||
            zv_unregister_class("BenchNew.clsPicture") != ZV_OK) {
            state.SkipWithError("the registry could not be written");
            return;
        }
    }
}
BENCHMARK(RegisterInLargeRegistry)->Arg(40000)->Unit(benchmark::kMillisecond);

const std::shared_ptr<const Picture>& rasterPicture() {
    static const std::shared_ptr<const Picture> picture = loadPicture(encodedRasterSet("PNG"));
    return picture;
}

// GraphicCell(k) the first time after the set was given to the clip: the cell's image is cut
// from the 2400 x 6200 set.
void FirstGraphicCellOfRasterSet(benchmark::State& state) {
    const auto& picture = rasterPicture();
    PictureClip clip;
    double total = 0;
    int k = 0;
    for (auto _ : state) {
        clip.setPicture(picture);
        const auto start = Clock::now();
        benchmark::DoNotOptimize(clip.GraphicCell(k));
        const double ms = msSince(start);
        total += ms;
        state.SetIterationTime(ms / 1000);
        k = (k + 7) % PictureClip::CellCount;
    }
    state.SetLabel(verdict(total / double(state.iterations()), FirstCellTargetMs).toStdString());
}
BENCHMARK(FirstGraphicCellOfRasterSet)->UseManualTime()->Unit(benchmark::kMillisecond);

// GraphicCell(k) again: the cell made before is handed out.
void GraphicCellAgain(benchmark::State& state) {
    PictureClip clip;
    clip.setPicture(rasterPicture());
    for (int k = 0; k < PictureClip::CellCount; ++k)
        clip.GraphicCell(k);
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clip.GraphicCell(k));
        k = (k + 1) % PictureClip::CellCount;
    }
}
BENCHMARK(GraphicCellAgain)->Unit(benchmark::kNanosecond);

} // namespace
} // namespace zavolin::bench
