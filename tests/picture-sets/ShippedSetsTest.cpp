// The shipped picture sets as the program finds them: registered, tested and listed by the
// program's own discovery, and each set's 20 cells drawn in the proportions of their notes.
#include "platform/base/ProgramInfo.h"
#include "platform/component/ComponentObject.h"
#include "platform/files/FileList.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/SvgCheck.h"
#include "plugins/AddPicture.h"
#include "plugins/CreatePicture.h"
#include "plugins/PluginEntry.h"
#include "plugins/PluginFiles.h"
#include "plugins/ShippedPictures.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

using namespace zavolin;
using namespace zavolin::test;

namespace {

// Base sizes of the banknotes "1" to "1000" in millimetres (printed at 70 %).
constexpr double BaseWidth[10] = {100, 105, 110, 115, 120, 125, 130, 135, 140, 145};
constexpr double BaseHeight[10] = {52, 54, 57, 59, 62, 64, 67, 70, 72, 75};

class ShippedSets : public ::testing::Test {
protected:
    void SetUp() override {
        m_oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(freshDirectory(QStringLiteral("data"))));
        const QString folder = freshDirectory(QStringLiteral("program"));
        for (const char* library :
             {ZAVOLIN_CLASSIC_PLUGIN, ZAVOLIN_KIDS_PLUGIN, ZAVOLIN_LINEART_PLUGIN}) {
            const QString from = QString::fromLocal8Bit(library);
            ASSERT_TRUE(QFile::copy(from, folder + "/" + QFileInfo(from).fileName()));
        }
        ProgramInfo info = programInfo();
        info.directory = folder;
        m_program = std::make_unique<ScopedProgramInfo>(info);
    }
    void TearDown() override {
        m_program.reset();
        qputenv("XDG_DATA_HOME", m_oldData);
    }

    QString AppPath;
    FileList lstFiles;
    PluginEntries cmbAuswahl;
    PictureClip clpPics;

private:
    QByteArray m_oldData;
    std::unique_ptr<ScopedProgramInfo> m_program;
};

// What a picture draws filling an image of the given size: the share of pixels it coloured
// (not white) and the share it inked dark (lines, figures, words).
struct Ink {
    double coloured = 0;
    double dark = 0;
};

Ink inkOf(const Picture& picture, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    int coloured = 0, dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            coloured += p != qRgb(255, 255, 255);
            dark += qGray(p) < 128;
        }
    const double all = double(size.width()) * size.height();
    return {coloured / all, dark / all};
}

// The shipped sets in the order they are listed, the file order of their libraries, with what
// their notes ink: the coloured sets cover the note, the one to colour in leaves it white but
// for thin lines.
const struct {
    const char* name;
    double minColoured;
    double maxDark;
} Shipped[] = {
    {"Klassisch / Classic", 0.5, 1.0},
    {"Kinder / Kids", 0.5, 1.0},
    {"Ausmalen / Colouring", 0.05, 0.15},
};
constexpr int ShippedCount = int(std::size(Shipped));

} // namespace

TEST_F(ShippedSets, AllAreListedWithTheirNamesAndFillAllTwentyCellsInTheirNotesProportions) {
    AddPicture(AppPath, lstFiles, cmbAuswahl);
    ASSERT_EQ(cmbAuswahl.listCount(), ShippedCount);

    for (int entry = 0; entry < ShippedCount; ++entry) {
        const std::string set = cmbAuswahl.item(entry).Info.toStdString();
        EXPECT_EQ(set, Shipped[entry].name);
        cmbAuswahl.setListIndex(entry);
        CreatePicture(lstFiles, cmbAuswahl, clpPics);
        ASSERT_NE(clpPics.picture(), nullptr) << set;
        for (int k = 0; k < PictureClip::CellCount; ++k) {
            const auto cell = clpPics.GraphicCell(k);
            const int d = k / 2;
            const double noteAspect = BaseWidth[d] / BaseHeight[d];
            const double cellAspect = cell->size().width() / cell->size().height();
            EXPECT_NEAR(cellAspect / noteAspect, 1.0, 0.02) << set << ", cell " << k;
            // The note at two pixels per millimetre, as the preview shows it: an inked note,
            // not a blank or a sliver, and the set to colour in light on ink.
            const QSize note(qRound(BaseWidth[d] * 0.7 * 2), qRound(BaseHeight[d] * 0.7 * 2));
            const Ink ink = inkOf(*cell, note);
            EXPECT_GT(ink.coloured, Shipped[entry].minColoured) << set << ", cell " << k;
            EXPECT_GT(ink.dark, 0.02) << set << ", cell " << k;
            EXPECT_LT(ink.dark, Shipped[entry].maxDark) << set << ", cell " << k;
        }
    }
}

TEST_F(ShippedSets, EachCellHoldsOnlyItsOwnNote) {
    // A cell drawn into a larger frame shows nothing of its neighbours: its artwork lies
    // inside its cell, so the margins of the cut-out stay untouched by the next note.
    AddPicture(AppPath, lstFiles, cmbAuswahl);
    ASSERT_EQ(cmbAuswahl.listCount(), ShippedCount);
    for (int entry = 0; entry < ShippedCount; ++entry) {
        cmbAuswahl.setListIndex(entry);
        CreatePicture(lstFiles, cmbAuswahl, clpPics);
        ASSERT_NE(clpPics.picture(), nullptr);
        for (int k = 0; k < PictureClip::CellCount; ++k) {
            QImage image(220, 116, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            clpPics.GraphicCell(k)->draw(painter, QRectF(10, 8, 200, 100));
            painter.end();
            // The frame's corners lie outside the note and stay white.
            for (const QPoint p : {QPoint(2, 2), QPoint(217, 2), QPoint(2, 113), QPoint(217, 113)})
                EXPECT_EQ(image.pixel(p), qRgb(255, 255, 255)) << "set " << entry << ", cell " << k;
            // Its own edge is drawn: the note's frame reaches the cell's sides.
            for (const QPoint p :
                 {QPoint(12, 58), QPoint(207, 58), QPoint(110, 10), QPoint(110, 105)})
                EXPECT_NE(image.pixel(p), qRgb(255, 255, 255))
                    << "set " << entry << ", cell " << k << " at " << p.x() << "," << p.y();
        }
    }
}

TEST_F(ShippedSets, ThePicturesTakenAsCheckedAreWhatTheSetsHandBackAndPassTheCheck) {
    // Nothing is trusted in this process: svgRefusal checks in full.
    AddPicture(AppPath, lstFiles, cmbAuswahl);
    ASSERT_EQ(cmbAuswahl.listCount(), ShippedCount);
    QSet<QByteArray> handedBack;
    for (int entry = 0; entry < ShippedCount; ++entry) {
        const auto object = createObject(progIdOf(lstFiles.name(cmbAuswahl.item(entry).position)));
        const ComVariant result = object->call("GetPicture", {qint16(1), qint16(1)});
        const QByteArray bytes = std::get<PictureBytes>(result).bytes;
        EXPECT_EQ(svgRefusal(bytes), QString()) << "set " << entry;
        handedBack.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256));
    }
    EXPECT_EQ(shippedPictureDigests(), handedBack);

    // Taken as checked are those bytes alone: the first document the check refuses is passed
    // once its digest is given, and refused again with one byte more.
    const QByteArray outside = "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                               "xmlns:xlink=\"http://www.w3.org/1999/xlink\">"
                               "<image xlink:href=\"/etc/passwd\"/></svg>";
    ASSERT_NE(svgRefusal(outside), QString());
    setKnownFitSvgDigests({QCryptographicHash::hash(outside, QCryptographicHash::Blake2b_256)});
    EXPECT_EQ(svgRefusal(outside), QString());
    EXPECT_NE(svgRefusal(outside + " "), QString());
    setKnownFitSvgDigests({});
    EXPECT_NE(svgRefusal(outside), QString());
}
