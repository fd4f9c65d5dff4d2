// Creating the chosen plug-in's picture set and handing it to the picture clip.
#include "plugins/CreatePicture.h"

#include "PluginState.h"
#include "support/ScriptedReporter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <zavolin/plugin.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class PictureCreation : public PluginStateTest {
protected:
    // Lists ZavolinA.dll (a good set) and the ZavolinB.dll added before, uses A's set, then
    // chooses B's: what that reported. A's set must stay in use.
    QList<Report> chooseBAfterA() {
        add("ZavolinAccepted.dll", "ZavolinA.dll");
        addPicture();
        EXPECT_EQ(cmbAuswahl.listCount(), 2);
        createPicture(0);
        const auto before = clpPics.picture();
        EXPECT_NE(before, nullptr);
        ScriptedReporter reporter({Ignore});
        const ScopedReplacement<ErrorReporter> replaced(reporter);
        createPicture(1);
        EXPECT_EQ(clpPics.picture(), before);
        return reporter.reports;
    }
};

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    return bigEndian(quint32(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A PNG of a few bytes whose header says it has width x height pixels in RGBA.
QByteArray pngClaiming(quint32 width, quint32 height) {
    const QByteArray header =
        bigEndian(width) + bigEndian(height) + QByteArray("\x08\x06\0\0\0", 5);
    // A deflate stream of nothing: the pixels are never reached.
    const QByteArray pixels("\x78\x9c\x03\x00\x00\x00\x00\x01", 8);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", pixels) + pngChunk("IEND", {});
}

} // namespace

TEST_F(PictureCreation, WithNothingChosenTheClipKeepsWhatItHad) {
    addPicture();
    CreatePicture(lstFiles, cmbAuswahl, clpPics);
    EXPECT_EQ(clpPics.picture(), nullptr);

    add("ZavolinAccepted.dll", "ZavolinA.dll");
    addPicture();
    createPicture(0);
    const auto first = clpPics.picture();
    ASSERT_NE(first, nullptr);
    cmbAuswahl.setListIndex(-1);
    CreatePicture(lstFiles, cmbAuswahl, clpPics);
    EXPECT_EQ(clpPics.picture(), first);
}

TEST_F(PictureCreation, EachChoiceAsksAFreshObjectAndReplacesThePicture) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    addPicture();
    createPicture(0);
    const auto first = clpPics.picture();
    createPicture(0);
    ASSERT_NE(clpPics.picture(), nullptr);
    EXPECT_NE(clpPics.picture(), first);
    EXPECT_EQ(logged("call GetPicture"), QStringList({"ZavolinA.dll", "ZavolinA.dll"}));
    EXPECT_EQ(logged("create").size(), logged("release").size());
}

TEST_F(PictureCreation, AStringInsteadOfAPictureFailsAtLine60AndTheClipKeepsItsPicture) {
    add("ZavolinStringPicture.dll", "ZavolinB.dll");
    const QList<Report> reports = chooseBAfterA();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0].module, "frmZavolin");
    EXPECT_EQ(reports[0].procedure, "CreatePicture");
    EXPECT_EQ(reports[0].number, ErrNo::TypeMismatch);
    EXPECT_EQ(reports[0].line, 60);
    EXPECT_EQ(log().last(), "ZavolinB.dll release");
}

TEST_F(PictureCreation, AClassNoLongerRegisteredFailsAtLine50) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    addPicture();
    ASSERT_EQ(zv_unregister_class("ZavolinA.clsPicture"), ZV_OK);
    ScriptedReporter reporter({Ignore});
    ScopedReplacement<ErrorReporter> replaced(reporter);
    createPicture(0);
    // Ignoring the creation leaves no object for GetPicture.
    ASSERT_EQ(reporter.reports.size(), 2);
    EXPECT_EQ(reporter.reports[0].number, ErrNo::CantCreateObject);
    EXPECT_EQ(reporter.reports[0].line, 50);
    EXPECT_EQ(reporter.reports[1].number, 91);
    EXPECT_EQ(reporter.reports[1].line, 60);
    EXPECT_EQ(clpPics.picture(), nullptr);
}

TEST_F(PictureCreation, RowDMinusOneHoldsDenominationDFrontLeftBackRight) {
    // The built-in SVG set of one library, a PNG set of the same colours from another.
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    QImage raster(40, 100, QImage::Format_RGB32);
    for (int k = 0; k < 20; ++k)
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                raster.setPixelColor((k % 2) * 20 + x, (k / 2) * 10 + y, fixtureColour(k));
    QFile png(folder() + "/ZavolinB.picture");
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    ASSERT_TRUE(raster.save(&png, "PNG"));
    png.close();
    addPicture();
    ASSERT_EQ(cmbAuswahl.listCount(), 2);

    for (int entry = 0; entry < 2; ++entry) {
        createPicture(entry);
        for (int k = 0; k < 20; ++k)
            EXPECT_EQ(centreColour(*clpPics.GraphicCell(k)), fixtureColour(k))
                << "set " << entry << ", cell " << k;
    }
}

TEST_F(PictureCreation, APictureTooLargeForMemoryIsRefusedByItsSizeAtLine60) {
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    QFile huge(folder() + "/ZavolinB.picture");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_GT(huge.write(pngClaiming(40000, 40000)), 0);
    huge.close();
    const QList<Report> reports = chooseBAfterA();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0].procedure, "CreatePicture");
    EXPECT_EQ(reports[0].number, ErrNo::InvalidPicture);
    EXPECT_EQ(reports[0].line, 60);
    EXPECT_TRUE(reports[0].description.contains(QStringLiteral("40000 × 40000")))
        << qPrintable(reports[0].description);
}
