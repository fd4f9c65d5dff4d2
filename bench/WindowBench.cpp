// The main window in this process: a start up to the window shown with its preview painted, the
// about window closed as soon as it shows; a repaint after a resize; the memory held. The
// shipped picture sets and zavolin-host are found beside this program, as the window finds
// them beside itself. The time from a real process start is measured by zavolin_bench_startup.

#include "BenchReporter.h"
#include "app/PreviewBox.h"
#include "app/frmZavolin.h"
#include "lang/frmInfo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace zavolin::bench {
namespace {

constexpr double StartTargetMs = 300;
constexpr double ResizeTargetMs = 10;
constexpr double MemoryTargetMb = 150;

// The settings and the user's folders of a run that is no user's.
void isolateUserFolders() {
    static QTemporaryDir home;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, QFile::encodeName(home.path() + QLatin1Char('/') + QLatin1String(name)));
}

// A value of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double statusMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Closes the about window as soon as it shows, and counts the preview's paint events.
class WindowWatcher : public QObject {
public:
    int previewPaints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* about = qobject_cast<frmInfo*>(watched))
                QMetaObject::invokeMethod(about, &QDialog::reject, Qt::QueuedConnection);
        if (event->type() == QEvent::Paint && qobject_cast<PreviewBox*>(watched))
            ++previewPaints;
        return false;
    }
};

// Runs events until the preview has been painted once more than before.
bool waitForPreviewPaint(const WindowWatcher& watcher, int before) {
    QElapsedTimer limit;
    limit.start();
    while (watcher.previewPaints <= before) {
        if (limit.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

// A start: the window made, its load handler run (the about window shown and closed at once,
// the picture sets registered and the first one created) and its preview painted on screen.
std::unique_ptr<frmZavolin> startWindow(WindowWatcher& watcher, QString* failure) {
    const int before = watcher.previewPaints;
    auto window = std::make_unique<frmZavolin>();
    if (!window->Form_Load() || !window->isVisible()) {
        *failure = QStringLiteral("the window was not shown");
        return nullptr;
    }
    if (!waitForPreviewPaint(watcher, before)) {
        *failure = QStringLiteral("the preview was never painted");
        return nullptr;
    }
    return window;
}

void BM_StartToMainWindowShown(benchmark::State& state) {
    isolateUserFolders();
    WindowWatcher watcher;
    qApp->installEventFilter(&watcher);
    double first = -1;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QString failure;
        auto window = startWindow(watcher, &failure);
        const double ms = timer.nsecsElapsed() / 1e6;
        if (first < 0)
            first = ms;
        if (const QString error = benchReporter().takeFailure(); !error.isEmpty())
            failure = error;
        if (!window) {
            state.SkipWithError(failure.toLocal8Bit().constData());
            break;
        }
        state.SetIterationTime(ms / 1000.0);
        state.PauseTiming();
        // Closing unregisters the picture sets and stores the offsets, as on leaving.
        window->close();
        window.reset();
        state.ResumeTiming();
    }
    qApp->removeEventFilter(&watcher);
    state.counters["first_start_ms"] = first;
    state.counters["peak_rss_mb"] = statusMegabytes("VmHWM");
    state.SetLabel(QStringLiteral("target <= %1 ms").arg(StartTargetMs).toStdString());
}
BENCHMARK(BM_StartToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RepaintAfterResize(benchmark::State& state) {
    isolateUserFolders();
    WindowWatcher watcher;
    qApp->installEventFilter(&watcher);
    QString failure;
    auto window = startWindow(watcher, &failure);
    if (!window) {
        state.SkipWithError(failure.toLocal8Bit().constData());
        qApp->removeEventFilter(&watcher);
        return;
    }
    // Between a larger window and the layout's worked example (the size it opens with), so
    // every resize changes the preview's scale.
    const QSize sizes[] = {QSize(1100, 820), QSize(856, 673)};
    int which = 0;
    for (auto _ : state) {
        const int before = watcher.previewPaints;
        window->resize(sizes[which]);
        which = 1 - which;
        if (!waitForPreviewPaint(watcher, before)) {
            state.SkipWithError("the preview was not painted after the resize");
            break;
        }
    }
    failed(state);
    state.counters["rss_mb"] = statusMegabytes("VmRSS");
    state.counters["peak_rss_mb"] = statusMegabytes("VmHWM");
    state.SetLabel(QStringLiteral("target <= %1 ms, memory <= %2 MB")
                       .arg(ResizeTargetMs)
                       .arg(MemoryTargetMb)
                       .toStdString());
    window->close();
    qApp->removeEventFilter(&watcher);
}
BENCHMARK(BM_RepaintAfterResize)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zavolin::bench
