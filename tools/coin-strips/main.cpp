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

// Bare rim between the unit mark and the rim words, so the two read as two: on the smallest
// coin about half a letter's width, more than the gap between two words.
constexpr double MinMarkClearDegrees = 12.0;

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

// Prints where each coin sits and how tall its lettering comes out on paper; false when any
// lettering is below the legible minimum or the unit mark runs into the rim words.
bool printLayout(const char* title, const QVector<PlacedCoin>& coins, Face face) {
    std::printf("%s\n", title);
    bool legible = true;
    for (const PlacedCoin& c : coins) {
        const CoinLettering text = measureLettering(c, face);
        std::printf("  %-3s  centre x %7.2f mm = %7.2f px, diameter %5.2f mm = %6.2f px across, "
                    "%6.2f px down\n",
                    qPrintable(c.spec.value), c.centreXMm, c.centreXMm * PxPerMmAcross,
                    c.diameterMm, c.diameterMm * PxPerMmAcross, c.diameterMm * PxPerMmDown);
        std::printf("       rim text cap height %4.2f mm = %5.2f px down, over %3.0f degrees; "
                    "value figures %4.2f mm = %5.2f px down\n",
                    text.rimCapHeightMm, text.rimCapHeightMm * PxPerMmDown, text.rimSpanDegrees,
                    text.valueHeightMm, text.valueHeightMm * PxPerMmDown);
        const bool hundredth = c.spec.unit == Unit::Hundredth;
        if (hundredth)
            std::printf("       unit mark figures %4.2f mm = %5.2f px down, %3.0f degrees clear "
                        "of the rim text either side\n",
                        text.markHeightMm, text.markHeightMm * PxPerMmDown, text.markClearDegrees);
        if (text.rimCapHeightMm < MinTextHeightMm || text.valueHeightMm < MinTextHeightMm ||
            (hundredth && text.markHeightMm < MinTextHeightMm)) {
            std::fprintf(stderr,
                         "zavolin-make-coin-strips: the lettering of coin %s is below %.1f mm\n",
                         qPrintable(c.spec.value), MinTextHeightMm);
            legible = false;
        }
        if (hundredth && text.markClearDegrees < MinMarkClearDegrees) {
            std::fprintf(stderr,
                         "zavolin-make-coin-strips: the unit mark of coin %s comes within %.0f "
                         "degrees of the rim text\n",
                         qPrintable(c.spec.value), MinMarkClearDegrees);
            legible = false;
        }
    }
    return legible;
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
    const bool frontLegible = printLayout("front", front, Face::Front);
    if (!printLayout("back", back, Face::Back) || !frontLegible)
        return 1;

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
