// What the checks say of the pictures a set is made from, one case a row: each picture's
// proportions against its note's, a raster picture's resolution at its printed size, pictures
// that cannot be read, and the fronts a folder lacks.
#include "ownsets/OwnSetImport.h"

#include "sheet/SizeNotes.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

const QStringList Values = {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};

void writeFront(const QString& folder, const QString& value, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(QDir(folder).filePath(value + "-front.png")));
}

} // namespace

TEST(OwnSetImport, ProportionsResolutionAndUnreadablePicturesAreNamed) {
    SizeTable sizes;
    SizeNotes(sizes);
    struct Case {
        const char* what;
        QSize firstFront;     // "1" is 70 × 36.4 mm
        QByteArray otherwise; // written over the first front instead, when set
        bool stops;
        QStringList says; // in that finding, in this order
    };
    const Case cases[] = {
        {"right", {1200, 624}, {}, false, {}},
        {"1 % off: within what is stretched unsaid", {1200, 636}, {}, false, {}},
        {"too high", {1200, 800}, {}, false, {"1-front.png", "1200 × 800", "stretched 28 % wider"}},
        {"too wide", {1200, 500}, {}, false, {"1-front.png", "stretched 20 % narrower"}},
        {"149 dpi", {411, 214}, {}, false, {"1-front.png", "149 dots per inch", "70.0 × 36.4 mm"}},
        {"150 dpi", {414, 215}, {}, false, {}},
        {"not a picture", {1200, 624}, "hello", true, {"1-front.png", "cannot be read"}},
    };
    for (const Case& c : cases) {
        const QString folder = freshDirectory(QStringLiteral("own-set-checks"));
        for (const QString& value : Values)
            writeFront(folder, value, value == "1" ? c.firstFront : QSize(1200, 624));
        if (!c.otherwise.isEmpty()) {
            QFile file(QDir(folder).filePath("1-front.png"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.otherwise);
        }
        const PreparedSet set = prepareOwnSet(folder, sizes);
        const QStringList found = set.stopped() ? set.errors() : set.warnings();
        EXPECT_EQ(set.stopped(), c.stops) << c.what << ": " << qPrintable(found.join('\n'));
        EXPECT_EQ(set.grid.isEmpty(), c.stops) << c.what;
        if (c.says.isEmpty()) {
            EXPECT_TRUE(set.findings.isEmpty()) << c.what << ": " << qPrintable(found.join('\n'));
            continue;
        }
        ASSERT_EQ(found.size(), 1) << c.what << ": " << qPrintable(found.join('\n'));
        qsizetype at = 0;
        for (const QString& part : c.says) {
            at = found[0].indexOf(part, at);
            EXPECT_GE(at, 0) << c.what << ": \"" << qPrintable(part) << "\" in "
                             << qPrintable(found[0]);
        }
    }
}

TEST(OwnSetImport, MissingFrontsStopAndMissingBacksArePlain) {
    SizeTable sizes;
    SizeNotes(sizes);
    const QString folder = freshDirectory(QStringLiteral("own-set-fronts"));
    for (const QString& value : Values.mid(0, 8))
        writeFront(folder, value, {1200, 624});
    const PreparedSet missing = prepareOwnSet(folder, sizes);
    ASSERT_TRUE(missing.stopped());
    EXPECT_TRUE(missing.errors().join('\n').contains("500-front, 1000-front"))
        << qPrintable(missing.errors().join('\n'));

    for (const QString& value : Values.mid(8))
        writeFront(folder, value, {1200, 624});
    const PreparedSet plain = prepareOwnSet(folder, sizes);
    ASSERT_FALSE(plain.stopped()) << qPrintable(plain.errors().join('\n'));
    // The grid: every back a white note with its value, every front the picture.
    QImage grid;
    ASSERT_TRUE(grid.loadFromData(plain.grid));
    EXPECT_EQ(grid.size(), QSize(2400, 6200));
    const auto near = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <
               12;
    };
    EXPECT_TRUE(near(grid.pixelColor(600, 310), QColor(Qt::darkCyan)));
    EXPECT_TRUE(near(grid.pixelColor(1200 + 100, 6200 - 310), QColor(Qt::white)));
}

} // namespace zavolin::test

namespace zavolin::test {

TEST(OwnSetImport, APictureOrScanHoldingNoDrawingPageSaysSoNotThatItWouldBeStretched) {
    SizeTable sizes;
    SizeNotes(sizes);
    const QString folder = freshDirectory(QStringLiteral("own-set-scans"));
    QImage photo(800, 600, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(QDir(folder).filePath("photo.jpg")));
    QFile pdf(QDir(folder).filePath("scan.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4 but nothing more");
    pdf.close();
    const struct {
        const char* file;
        const char* says;
    } cases[] = {{"photo.jpg", "photo.jpg holds no drawing page"},
                 {"scan.pdf", "scan.pdf cannot be read: it is not a PDF document"}};
    for (const auto& c : cases) {
        const PreparedSet set = prepareOwnSet(QDir(folder).filePath(c.file), sizes);
        ASSERT_TRUE(set.stopped()) << c.file;
        EXPECT_TRUE(set.errors().join('\n').contains(c.says))
            << qPrintable(set.errors().join('\n'));
        EXPECT_FALSE(set.errors().join('\n').contains("stretched")) << c.file;
    }
}

} // namespace zavolin::test
