#include "BenchReporter.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    // The preview is a widget; no screen is needed to draw it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zavolin::ErrorReporter::replace(&zavolin::bench::benchReporter());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
