#include "platform/pictures/Picture.h"
#include "platform/print/PdfFilePrinter.h"
#include "support/PrintedPdf.h"
#include "support/ProgramRun.h"
#include "support/TestEnvironment.h"

#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>

namespace zavolin::test {
namespace {

// A note's picture: an image, or line work with text, told apart by its key.
class NotePicture : public Picture {
public:
    NotePicture(QByteArray key, bool raster)
        : m_key(std::move(key))
        , m_image(raster ? QImage(40, 20, QImage::Format_RGB32) : QImage()) {
        for (int y = 0; y < m_image.height(); ++y)
            for (int x = 0; x < m_image.width(); ++x)
                m_image.setPixel(x, y, qRgb(x * 6, y * 12, (x ^ y) * 8));
    }
    QSizeF size() const override { return {40, 20}; }
    QByteArray contentKey() const override { return m_key; }
    void draw(QPainter& painter, const QRectF& target) const override {
        if (!m_image.isNull()) {
            painter.drawImage(target, m_image);
            return;
        }
        // Inside the rectangle: a document clips a picture to it.
        const double inset = target.height() / 20;
        painter.setPen(QPen(Qt::darkBlue, target.height() / 40));
        painter.drawEllipse(target.adjusted(inset, inset, -inset, -inset));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(qMax(1, int(target.height() / 3)));
        painter.setFont(font);
        painter.drawText(target, Qt::AlignCenter, QString::fromLatin1(m_key));
    }

private:
    QByteArray m_key;
    QImage m_image;
};

// "page n of m" in the note's font.
class FootnotePicture : public Picture {
public:
    explicit FootnotePicture(QString text)
        : m_text(std::move(text)) {}
    QSizeF size() const override { return {100, 10}; }
    QByteArray contentKey() const override { return m_text.toUtf8(); }
    void draw(QPainter& painter, const QRectF& target) const override {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(qMax(1, int(target.height())));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(target, Qt::AlignLeft | Qt::AlignVCenter, m_text);
    }

private:
    QString m_text;
};

struct WriterCase {
    const char* name;
    int setPages;
    int copies;
    PrinterScaleMode mode;
    int distinctNotes; // pictures of notes; the odd ones raster
};

// Draws the set's pages copies times: notes in a grid (the same pictures on every page), cut
// lines that differ per page of the set, and a footnote per page of the set.
void drawSet(QtPrinter& printer, const WriterCase& c) {
    printer.setScaleMode(c.mode);
    const double mm = c.mode == PrinterScaleMode::Millimetres ? 1.0 : 1440 / 25.4;
    std::vector<std::unique_ptr<NotePicture>> notes;
    for (int n = 0; n < c.distinctNotes; ++n)
        notes.push_back(std::make_unique<NotePicture>("note " + QByteArray::number(n), n % 2));
    for (int copy = 0; copy < c.copies; ++copy) {
        for (int p = 0; p < c.setPages; ++p) {
            if (copy + p > 0)
                printer.newPage();
            printer.setForeColor(QColor(192, 192, 192));
            for (int row = 0; row < 6; ++row) {
                for (int col = 0; col < 3; ++col) {
                    const NotePicture& note = *notes[size_t(row * 3 + col) % notes.size()];
                    printer.paintPicture(note, (5 + col * 62) * mm, (8 + row * 40) * mm, 60 * mm,
                                         30 * mm);
                }
                printer.line(0, (40 + row * 40 + p) * mm, 195 * mm, (40 + row * 40 + p) * mm);
            }
            const FootnotePicture footnote(
                QStringLiteral("page %1 of %2").arg(p + 1).arg(c.setPages));
            printer.paintFootnote(footnote, 5 * mm, 280 * mm, 60 * mm, 4 * mm);
        }
    }
}

QString writeSet(const WriterCase& c, PdfWriter writer) {
    const QString path = freshDirectory(QString::fromLatin1(c.name)) +
                         (writer == PdfWriter::SharedPictures ? QStringLiteral("/shared.pdf")
                                                              : QStringLiteral("/painted.pdf"));
    auto printer = openPdfFilePrinter(path, PdfPaper::A4);
    printer->setPdfWriter(writer);
    drawSet(*printer, c);
    printer->endDoc();
    return path;
}

class SharedPdfWriter : public testing::TestWithParam<WriterCase> {};

TEST_P(SharedPdfWriter, HoldsEachPictureOnceSharesCopiesBodiesAndLooksAsPaintedByQt) {
    const WriterCase& c = GetParam();
    const QString shared = writeSet(c, PdfWriter::SharedPictures);
    const QString painted = writeSet(c, PdfWriter::PaintedByQt);

    const ProgramRun check =
        runProgram(QStringLiteral("qpdf"), {QStringLiteral("--check"), shared});
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();

    QPDF pdf;
    pdf.processFile(shared.toLocal8Bit().constData());
    int forms = 0;
    int images = 0;
    for (QPDFObjectHandle object : pdf.getAllObjects()) {
        if (!object.isStream())
            continue;
        QPDFObjectHandle subtype = object.getDict().getKey("/Subtype");
        forms += subtype.isNameAndEquals("/Form");
        images += subtype.isNameAndEquals("/Image");
    }
    EXPECT_EQ(forms, c.distinctNotes + c.setPages);
    EXPECT_EQ(images, c.distinctNotes / 2);

    std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    ASSERT_EQ(int(pages.size()), c.setPages * c.copies);
    const auto bodyOf = [&](int page) {
        return pages.at(size_t(page)).getKey("/Contents").getArrayItem(0).getObjGen();
    };
    for (int p = 0; p < c.setPages; ++p) {
        for (int copy = 1; copy < c.copies; ++copy)
            EXPECT_EQ(bodyOf(p), bodyOf(copy * c.setPages + p)) << "page " << p;
        if (p > 0) {
            EXPECT_NE(bodyOf(p), bodyOf(0)) << "page " << p;
        }
    }

    for (int page : {1, c.setPages * c.copies}) {
        const PageRaster ours = PageRaster::render(shared, page, 150);
        const PageRaster theirs = PageRaster::render(painted, page, 150);
        ASSERT_FALSE(ours.isNull() || theirs.isNull());
        EXPECT_LE(differingShare(ours.image(), theirs.image()), 0.001) << "page " << page;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sets, SharedPdfWriter,
    testing::Values(WriterCase{"single", 1, 1, PrinterScaleMode::Millimetres, 1},
                    WriterCase{"copies", 3, 4, PrinterScaleMode::Millimetres, 4},
                    WriterCase{"twips", 2, 3, PrinterScaleMode::Twips, 5}),
    [](const testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace zavolin::test
