#include "QtPrinter.h"

#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/base/Units.h"
#include "platform/files/NewFile.h"
#include "platform/pictures/Picture.h"
#include "platform/print/SharedPdfDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <cmath>
#include <utility>

namespace zavolin {
namespace {

// The paper's size in twips is exact (1440 to the inch), unlike the 56.7 a millimetre is
// taken as where the size is read back.
constexpr double TwipsPerMillimetreExact = 1440.0 / MillimetresPerInch;
// The resolution of the PDF, in dots per inch: QPrinter's high resolution, set on it as well.
constexpr int DeviceDotsPerInch = 1200;
constexpr double DeviceUnitsPerMm = DeviceDotsPerInch / MillimetresPerInch;

// Cut lines are drawn this wide on paper: thin, yet visible on any printer (a device hairline
// at 1200 dpi would be 0.02 mm).
constexpr double LineWidthMillimetres = 0.1;
// Text lines: a plain fixed-pitch font, so a wrapped protocol line of 20 + 73 characters fits
// the printable width of A4 and Letter.
constexpr double TextPointSize = 9.0;
constexpr int TabWidth = 8;

QString expandTabs(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\t')) {
            out.append(QString(TabWidth - out.size() % TabWidth, QLatin1Char(' ')));
        } else {
            out.append(c);
        }
    }
    return out;
}

// One line of the printer's text, drawn at the top left of its box in the font's size on the
// device: the same glyphs as text painted straight onto the page.
class TextLinePicture : public Picture {
public:
    TextLinePicture(QString text, const QFont& font, const QColor& color)
        : m_text(std::move(text))
        , m_font(font)
        , m_color(color) {}

    QSizeF size() const override { return {}; }
    void draw(QPainter& painter, const QRectF& target) const override {
        const QPointF origin = painter.transform().map(target.topLeft());
        painter.save();
        painter.resetTransform();
        painter.translate(origin);
        painter.setFont(m_font);
        painter.setPen(m_color);
        painter.drawText(QPointF(0, QFontMetricsF(m_font, painter.device()).ascent()), m_text);
        painter.restore();
    }

private:
    QString m_text;
    QFont m_font;
    QColor m_color;
};

// QPdfEngine reports no write errors; a file without its trailer is a failed one.
bool looksLikeCompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64)
        return false;
    file.seek(file.size() - 64);
    return file.read(64).contains("%%EOF");
}

} // namespace

QtPrinter::QtPrinter(PrinterPaper paper, std::unique_ptr<DocumentSink> sink)
    : m_paper(std::move(paper))
    , m_sink(std::move(sink))
    , m_painter(std::make_unique<QPainter>())
    , m_documentName(programInfo().title) {
    m_textFont = QFont(QStringLiteral("DejaVu Sans Mono"));
    m_textFont.setStyleHint(QFont::Monospace);
    m_textFont.setPointSizeF(TextPointSize);
}

QtPrinter::~QtPrinter() {
    abandonDocument();
}

QPrinter& QtPrinter::device() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setResolution(DeviceDotsPerInch);
        m_printer->setPageSize(m_paper.pageSize);
        m_printer->setPageOrientation(QPageLayout::Portrait);
        m_printer->setFullPage(true);
    }
    return *m_printer;
}

bool QtPrinter::documentOpen() const {
    return m_shared || m_painter->isActive();
}

QSizeF QtPrinter::paperMillimetres() const {
    return m_paper.pageSize.size(QPageSize::Millimeter);
}

QSizeF QtPrinter::printableMillimetres() const {
    const QSizeF paper = paperMillimetres();
    const QMarginsF& edge = m_paper.unprintableMillimetres;
    return {paper.width() - edge.left() - edge.right(),
            paper.height() - edge.top() - edge.bottom()};
}

double QtPrinter::unitsPerMillimetre() const {
    return m_scaleMode == PrinterScaleMode::Millimetres ? 1.0 : TwipsPerMillimetreExact;
}

double QtPrinter::scaleWidth() {
    return printableMillimetres().width() * unitsPerMillimetre();
}

double QtPrinter::scaleHeight() {
    return printableMillimetres().height() * unitsPerMillimetre();
}

double QtPrinter::widthTwips() {
    return paperMillimetres().width() * TwipsPerMillimetreExact;
}

double QtPrinter::heightTwips() {
    return paperMillimetres().height() * TwipsPerMillimetreExact;
}

double QtPrinter::deviceUnitsPerMillimetre() {
    return DeviceUnitsPerMm;
}

int QtPrinter::physicalOffsetX() {
    return qRound(m_paper.unprintableMillimetres.left() * deviceUnitsPerMillimetre());
}

int QtPrinter::physicalOffsetY() {
    return qRound(m_paper.unprintableMillimetres.top() * deviceUnitsPerMillimetre());
}

void QtPrinter::setCopies(int copies) {
    if (copies < 1 || copies > m_paper.maxCopies)
        raise(ErrNo::InvalidPropertyValue,
              QStringLiteral("Invalid property value: the printer accepts 1 to %1 copies, not %2.")
                  .arg(m_paper.maxCopies)
                  .arg(copies));
    m_copies = copies;
}

QRect QtPrinter::printableDeviceRect() const {
    const double perMm = DeviceUnitsPerMm;
    const QSizeF size = printableMillimetres() * perMm;
    return QRect(qRound(m_paper.unprintableMillimetres.left() * perMm),
                 qRound(m_paper.unprintableMillimetres.top() * perMm), qRound(size.width()),
                 qRound(size.height()));
}

QRectF QtPrinter::printableRectMillimetres() const {
    // Where Qt's painter has it, on whole device units: both writers place everything alike.
    const double perMm = DeviceUnitsPerMm;
    const QRectF area = printableDeviceRect();
    return {area.topLeft() / perMm, area.size() / perMm};
}

QTransform QtPrinter::paperTransform() const {
    const QPointF origin = printableRectMillimetres().topLeft();
    const double scale = 1.0 / unitsPerMillimetre();
    return QTransform::fromTranslate(origin.x(), origin.y()).scale(scale, scale);
}

QTransform QtPrinter::drawingTransform() const {
    const QRect area = printableDeviceRect();
    const double scale = DeviceUnitsPerMm / unitsPerMillimetre();
    return QTransform::fromTranslate(area.left(), area.top()).scale(scale, scale);
}

void QtPrinter::ensureDocument() {
    if (documentOpen())
        return;
    const QString file = m_sink->createDocumentFile();
    const auto cannotStart = [&] {
        m_sink->discard(file);
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the printer could not start a document (%1 could "
                             "not be written).")
                  .arg(QFileInfo(file).absoluteFilePath()));
    };
    if (m_pdfWriter == PdfWriter::SharedPictures) {
        // The file is written when the document ends; whether it can be is known now.
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly))
            cannotStart();
        probe.close();
        m_shared = std::make_unique<SharedPdfDocument>(DeviceDotsPerInch);
        m_shared->beginPage(m_paper.pageSize, printableRectMillimetres());
    } else {
        device().setOutputFileName(file);
        m_printer->setDocName(m_documentName);
        m_printer->setCreator(programInfo().title);
        if (!m_painter->begin(m_printer.get()))
            cannotStart();
        preparePage();
    }
    m_documentFile = file;
    m_textY = 0;
}

void QtPrinter::preparePage() {
    m_painter->resetTransform();
    m_painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Nothing reaches paper outside the printable area; a PDF printer shows the same.
    m_painter->setClipRect(printableDeviceRect());
}

void QtPrinter::abandonDocument() {
    if (!documentOpen())
        return;
    if (m_painter->isActive())
        m_painter->end();
    m_shared.reset();
    const QString file = std::exchange(m_documentFile, QString());
    m_sink->discard(file);
}

void QtPrinter::line(double x1, double y1, double x2, double y2) {
    ensureDocument();
    if (m_shared) {
        const QTransform toPaper = paperTransform();
        m_shared->line(toPaper.map(QPointF(x1, y1)), toPaper.map(QPointF(x2, y2)), m_foreColor,
                       LineWidthMillimetres);
        return;
    }
    m_painter->setTransform(drawingTransform());
    QPen pen(m_foreColor, LineWidthMillimetres * unitsPerMillimetre(), Qt::SolidLine, Qt::SquareCap,
             Qt::MiterJoin);
    m_painter->setPen(pen);
    m_painter->drawLine(QLineF(x1, y1, x2, y2));
}

void QtPrinter::paintPicture(const Picture& picture, double x, double y, double width,
                             double height) {
    placePicture(picture, x, y, width, height, false);
}

void QtPrinter::paintFootnote(const Picture& picture, double x, double y, double width,
                              double height) {
    placePicture(picture, x, y, width, height, true);
}

void QtPrinter::placePicture(const Picture& picture, double x, double y, double width,
                             double height, bool pageOwn) {
    ensureDocument();
    if (m_shared) {
        const QRectF target(x, y, width, height);
        if (pageOwn)
            m_shared->footnote(picture, target, paperTransform());
        else
            m_shared->picture(picture, target, paperTransform());
        return;
    }
    m_painter->save();
    m_painter->setTransform(drawingTransform());
    try {
        picture.draw(*m_painter, QRectF(x, y, width, height));
    } catch (...) {
        m_painter->restore();
        throw;
    }
    m_painter->restore();
}

void QtPrinter::printLine(const QString& text) {
    ensureDocument();
    const QRect area = printableDeviceRect();
    const QFontMetricsF metrics(m_textFont, &device());
    if (m_textY > 0 && m_textY + metrics.height() > area.height())
        startNextPage();
    if (m_shared) {
        // Text pages are rare: each line is a picture of the page's own.
        if (!text.isEmpty()) {
            const double perMm = deviceUnitsPerMillimetre();
            const QRectF printable = printableRectMillimetres();
            const TextLinePicture picture(expandTabs(text), m_textFont, m_foreColor);
            m_shared->footnote(picture,
                               QRectF(printable.left(), printable.top() + m_textY / perMm,
                                      printable.width(), metrics.height() / perMm),
                               QTransform());
        }
        m_textY += metrics.lineSpacing();
        return;
    }
    m_painter->setTransform(QTransform::fromTranslate(area.left(), area.top()));
    m_painter->setFont(m_textFont);
    m_painter->setPen(m_foreColor);
    if (!text.isEmpty())
        m_painter->drawText(QPointF(0, m_textY + metrics.ascent()), expandTabs(text));
    m_textY += metrics.lineSpacing();
}

void QtPrinter::startNextPage() {
    m_textY = 0;
    if (m_shared) {
        m_shared->beginPage(m_paper.pageSize, printableRectMillimetres());
        return;
    }
    if (!m_printer->newPage()) {
        abandonDocument();
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the printer could not start a new page."));
    }
    preparePage();
}

void QtPrinter::newPage() {
    // A document not yet open gets its first page from the next output, as on paper a new
    // page before anything was printed is that first page.
    if (!documentOpen())
        return;
    startNextPage();
}

void QtPrinter::endDoc() {
    if (!documentOpen())
        return;
    const QString file = std::exchange(m_documentFile, QString());
    bool ended = true;
    if (const std::unique_ptr<SharedPdfDocument> document = std::move(m_shared)) {
        try {
            document->write(file, m_documentName, programInfo().title);
        } catch (const RuntimeError&) {
            m_sink->discard(file);
            throw;
        }
    } else {
        ended = m_painter->end();
    }
    if (!ended || !looksLikeCompletePdf(file)) {
        // Told before the file goes, while its disk is still as full as the writer found it.
        const QString why = shortWriteReason(file);
        m_sink->discard(file);
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the document could not be finished (%1: %2).")
                  .arg(QFileInfo(file).absoluteFilePath(), why));
    }
    m_lastDelivery = m_sink->deliver(file, m_documentName, m_copies);
}

} // namespace zavolin
