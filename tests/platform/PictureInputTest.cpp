// Pictures from plug-ins, users' files and own sets, tried as a hostile file would: nothing
// outside the document is read, nothing makes the reader recurse or work without end, and a
// picture too large for memory is refused by its size while a large valid one loads.
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/SvgParts.h"
#include "platform/pictures/VectorPicture.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

QByteArray svg(const QByteArray& body, const QByteArray& prolog = {}) {
    return prolog +
           "<svg xmlns='http://www.w3.org/2000/svg' "
           "xmlns:xlink='http://www.w3.org/1999/xlink' viewBox='0 0 100 100'>" +
           body + "</svg>";
}

QByteArray gzip(const QByteArray& data) {
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

QByteArray chunk(const char* type, const QByteArray& data) {
    QByteArray out(4, '\0');
    qToBigEndian(quint32(data.size()), out.data());
    const QByteArray typed = QByteArray(type) + data;
    out += typed;
    QByteArray crc(4, '\0');
    qToBigEndian(
        quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))),
        crc.data());
    return out + crc;
}

// A grey PNG of the size, written row by row: no image of that size is held to make it.
// Without its rows it has one row only, enough for the header to be read.
QByteArray greyPng(quint32 width, quint32 height, bool withRows = true) {
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8; // bits, grey
    QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header);
    {
        if (!withRows)
            height = 1;
        z_stream stream{};
        deflateInit(&stream, 1);
        const QByteArray row(qsizetype(width) + 1, '\x40');
        QByteArray rowData = row;
        rowData[0] = 0; // no filter
        QByteArray packed;
        QByteArray buffer(1 << 20, '\0');
        for (quint32 y = 0; y < height; ++y) {
            stream.next_in = reinterpret_cast<Bytef*>(rowData.data());
            stream.avail_in = uInt(rowData.size());
            const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
            do {
                stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
                stream.avail_out = uInt(buffer.size());
                deflate(&stream, flush);
                packed.append(buffer.constData(), buffer.size() - qsizetype(stream.avail_out));
            } while (stream.avail_out == 0);
        }
        deflateEnd(&stream);
        png += chunk("IDAT", packed);
    }
    return png + chunk("IEND", {});
}

QByteArray dataUrl(const QByteArray& type, const QByteArray& bytes) {
    return "data:" + type + ";base64," + bytes.toBase64();
}

// Loads and draws the picture, so that the reader has followed whatever it would follow.
QString loadAndDraw(const QByteArray& bytes) {
    try {
        const auto picture = loadPicture(bytes);
        QImage image(50, 50, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        picture->draw(painter, QRectF(0, 0, 50, 50));
        return {};
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrNo::InvalidPicture);
        return error.description();
    }
}

} // namespace

TEST(PictureInput, WhatAPictureRefersToOutsideItselfOrWouldNotEndIsRefused) {
    const QString folder = freshDirectory(QStringLiteral("pictures"));
    const QString secret = folder + QStringLiteral("/secret.png");
    QFile(secret).open(QIODevice::WriteOnly);
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(secret);
    const QString fifo = folder + QStringLiteral("/fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo), 0600), 0);
    const QByteArray smallPng = greyPng(4, 4);
    QByteArray deep;
    for (int i = 0; i < 300; ++i)
        deep = "<g>" + deep + "</g>";
    QByteArray fanOut = "<defs><rect id='l0' width='1' height='1'/>";
    for (int level = 1; level <= 9; ++level) {
        fanOut += "<g id='l" + QByteArray::number(level) + "'>";
        for (int i = 0; i < 10; ++i)
            fanOut += "<use xlink:href='#l" + QByteArray::number(level - 1) + "'/>";
        fanOut += "</g>";
    }
    fanOut += "</defs><use xlink:href='#l9'/>";

    struct Case {
        const char* name;
        QByteArray bytes;
        const char* refusal; // in the message; nullptr: the picture loads
    };
    const QList<Case> cases{
        {"a local file", svg("<image width='9' height='9' xlink:href='" + secret.toUtf8() + "'/>"),
         "secret.png"},
        {"a prefix the document does not declare",
         "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 9 9'><image width='9' height='9' "
         "xl:href='" +
             secret.toUtf8() + "'/></svg>",
         "secret.png"},
        {"a file: address",
         svg("<image width='9' height='9' href='file://" + secret.toUtf8() + "'/>"), "outside it"},
        {"a relative name, the document itself for all it knows",
         svg("<image width='9' height='9' xlink:href='picture.svg'/>"), "picture.svg"},
        {"a FIFO", svg("<image width='9' height='9' xlink:href='" + fifo.toUtf8() + "'/>"), "fifo"},
        {"a style sheet on disk",
         svg("<rect width='9' height='9'/>",
             "<?xml version='1.0'?><?xml-stylesheet type='text/css' href='" + fifo.toUtf8() +
                 "'?>"),
         "style sheet"},
        {"an external entity",
         svg("<text>&x;</text>",
             "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY x SYSTEM '" + secret.toUtf8() + "'>]>"),
         "external entity"},
        {"an SVG picture inside that refers to a file",
         svg("<image width='9' height='9' xlink:href='" +
             dataUrl("image/svg+xml",
                     svg("<image width='9' height='9' xlink:href='" + secret.toUtf8() + "'/>")) +
             "'/>"),
         "secret.png"},
        {"nesting 300 deep", svg(deep), "deep"},
        {"a <use> of itself",
         svg("<g id='a'><rect width='1' height='1'/><use xlink:href='#a'/></g>"), "themselves"},
        {"a billion <use>s", svg(fanOut), "more than"},
        {"compressed beyond the size", gzip(svg(QByteArray(70 * 1024 * 1024, ' '))), "MB"},
        {"a raster picture too large for memory", greyPng(100000, 100000, false),
         "100000 × 100000"},
        // Loaded:
        {"a PNG inside",
         svg("<image width='9' height='9' xlink:href='" + dataUrl("image/png", smallPng) + "'/>"),
         nullptr},
        {"an SVG inside",
         svg("<image width='9' height='9' xlink:href='" +
             dataUrl("image/svg+xml", svg("<rect width='9' height='9'/>")) + "'/>"),
         nullptr},
        {"links and references within",
         svg("<defs><rect id='r' width='5' height='5'/></defs>"
             "<a href='https://example.org/'><use href='#r'/></a>"),
         nullptr},
        {"compressed", gzip(svg("<rect width='9' height='9'/>")), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString refusal = loadAndDraw(c.bytes);
        if (!c.refusal) {
            EXPECT_EQ(refusal, QString());
            continue;
        }
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(c.refusal))) << qPrintable(refusal);
        // The cell splitter, handed the same bytes, refuses them too.
        if (c.bytes.contains("<svg")) {
            EXPECT_EQ(SvgParts::read(c.bytes), nullptr);
        }
    }
}

TEST(PictureInput, ARasterPictureOf8000By20000PixelsLoads) {
    const auto picture = loadPicture(greyPng(8000, 20000));
    EXPECT_EQ(picture->size(), QSizeF(8000, 20000));
}

// A set asked for again is neither checked nor parsed again, yet each load is a picture of its
// own, and what was remembered never lets other bytes through.
TEST(PictureInput, ALoadAgainSharesTheParsedDocumentAndOtherBytesAreCheckedAnew) {
    const QByteArray square = svg("<rect width='100' height='100'/>");
    const auto first = std::dynamic_pointer_cast<const VectorPicture>(loadPicture(square));
    const auto again = std::dynamic_pointer_cast<const VectorPicture>(
        loadPicture(QByteArray(square.constData(), square.size())));
    ASSERT_TRUE(first && again);
    EXPECT_NE(first, again);
    EXPECT_EQ(first->renderer(), again->renderer());
    // A document reaching outside itself is refused each time.
    const QByteArray outside = svg("<image width='1' height='1' href='file:///etc/passwd'/>");
    EXPECT_THROW(loadPicture(outside), RuntimeError);
    EXPECT_THROW(loadPicture(outside), RuntimeError);
    const auto other = std::dynamic_pointer_cast<const VectorPicture>(
        loadPicture(svg("<rect width='50' height='100'/>")));
    ASSERT_TRUE(other);
    EXPECT_NE(other->renderer(), first->renderer());
}
