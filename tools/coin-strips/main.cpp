// Writes the two coin-strip pictures (front and back) into the resources folder.

#include "CoinLayout.h"
#include "RimText.h"
#include "StripRenderer.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

using namespace zavolin::coinstrips;

namespace {

constexpr int JpegQuality = 92;

bool writeJpeg(const QImage& image, const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(JpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image)) {
        std::fprintf(stderr, "zavolin-make-coin-strips: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

void printLayout(const char* title, const QVector<PlacedCoin>& coins) {
    const double pxPerMmX = StripWidthPx / StripWidthMm;
    const double pxPerMmY = StripHeightPx / StripHeightMm;
    std::printf("%s\n", title);
    for (const PlacedCoin& c : coins)
        std::printf("  %-3s  centre x %7.2f mm = %7.2f px, diameter %5.2f mm = %6.2f px across, "
                    "%6.2f px down\n",
                    qPrintable(c.spec.value), c.centreXMm, c.centreXMm * pxPerMmX, c.diameterMm,
                    c.diameterMm * pxPerMmX, c.diameterMm * pxPerMmY);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZAVOLIN_COIN_OUTPUT_DIR);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "zavolin-make-coin-strips: cannot create folder %s\n",
                     qPrintable(folder));
        return 1;
    }
    if (!typefaceAvailable())
        return 1;

    const QVector<PlacedCoin> front = frontLayout();
    const QVector<PlacedCoin> back = backLayout(front);
    printLayout("front", front);
    printLayout("back", back);

    QString error;
    const QImage frontImage = renderStrip(front, Face::Front, error);
    if (frontImage.isNull()) {
        std::fprintf(stderr, "zavolin-make-coin-strips: %s\n", qPrintable(error));
        return 1;
    }
    const QImage backImage = renderStrip(back, Face::Back, error);
    if (backImage.isNull()) {
        std::fprintf(stderr, "zavolin-make-coin-strips: %s\n", qPrintable(error));
        return 1;
    }
    const QDir dir(folder);
    if (!writeJpeg(frontImage, dir.filePath(QStringLiteral("coins-front.jpg"))) ||
        !writeJpeg(backImage, dir.filePath(QStringLiteral("coins-back.jpg"))))
        return 1;
    return 0;
}
