#include "SharedPdfDocument.h"

#include "PdfAssembly.h"
#include "platform/base/ProgramModule.h"
#include "platform/base/RuntimeError.h"
#include "platform/base/Units.h"
#include "platform/pictures/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <charconv>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace zavolin {
namespace {

constexpr double PointsPerMillimetre = 72.0 / MillimetresPerInch;

// Four decimals of a point are far below any printer's dot; trailing zeros only cost bytes.
// Scales take more: their error grows with the distance from the origin.
// Every page of every copy writes a few hundred of them: std::to_chars, not Qt's locale-aware
// formatting, which took much of a copy's page.
QByteArray number(double value, int decimals = 4) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "0";
    qsizetype size = end - buffer;
    if (std::memchr(buffer, '.', size_t(size))) {
        while (buffer[size - 1] == '0')
            --size;
        if (buffer[size - 1] == '.')
            --size;
    }
    if (size == 2 && buffer[0] == '-' && buffer[1] == '0')
        return "0";
    return QByteArray(buffer, size);
}

} // namespace

SharedPdfDocument::SharedPdfDocument(int resolution)
    : m_resolution(resolution) {}

SharedPdfDocument::~SharedPdfDocument() {
    if (m_qtPainter && m_qtPainter->isActive())
        m_qtPainter->end();
}

QPointF SharedPdfDocument::toPoints(const QPointF& millimetres) const {
    return {millimetres.x() * PointsPerMillimetre,
            m_pageSizePoints.height() - millimetres.y() * PointsPerMillimetre};
}

void SharedPdfDocument::requirePage() const {
    if (!m_pageOpen)
        raise(ErrNo::InternalError,
              QStringLiteral("Internal error: a PDF document was drawn on before its first page "
                             "or after it was written."));
}

void SharedPdfDocument::beginPage(const QPageSize& paper, const QRectF& clipMillimetres) {
    finishPage();
    m_pageOpen = true;
    m_paper = paper;
    // Whole points, as Qt sizes its pages, so that print queues see the paper they know.
    m_pageSizePoints = QSizeF(paper.sizePoints());
    const QPointF corner = toPoints(clipMillimetres.bottomLeft());
    m_body.ops = number(corner.x()) + ' ' + number(corner.y()) + ' ' +
                 number(clipMillimetres.width() * PointsPerMillimetre) + ' ' +
                 number(clipMillimetres.height() * PointsPerMillimetre) + " re W n\n";
}

void SharedPdfDocument::line(const QPointF& from, const QPointF& to, const QColor& color,
                             double widthMillimetres) {
    requirePage();
    const QPointF a = toPoints(from);
    const QPointF b = toPoints(to);
    QByteArray& ops = m_body.ops;
    ops += "q " + number(color.redF()) + ' ' + number(color.greenF()) + ' ' +
           number(color.blueF()) + " RG " + number(widthMillimetres * PointsPerMillimetre) +
           " w 2 J " + number(a.x()) + ' ' + number(a.y()) + " m " + number(b.x()) + ' ' +
           number(b.y()) + " l S Q\n";
}

void SharedPdfDocument::picture(const Picture& picture, const QRectF& target,
                                const QTransform& toPaper) {
    place(m_body, picture, target, toPaper);
}

void SharedPdfDocument::footnote(const Picture& picture, const QRectF& target,
                                 const QTransform& toPaper) {
    place(m_own, picture, target, toPaper);
}

void SharedPdfDocument::place(Content& content, const Picture& picture, const QRectF& target,
                              const QTransform& toPaper) {
    requirePage();
    const QRectF onPaper = toPaper.mapRect(target).normalized();
    if (onPaper.isEmpty())
        return;
    const int form = formFor(picture, target, toPaper);
    const QSizeF drawn = m_forms.at(form).drawnPoints.size();
    const QPointF bottomLeft = toPoints(onPaper.bottomLeft());
    content.ops += "q " + number(onPaper.width() * PointsPerMillimetre / drawn.width(), 7) +
                   " 0 0 " + number(onPaper.height() * PointsPerMillimetre / drawn.height(), 7) +
                   ' ' + number(bottomLeft.x()) + ' ' + number(bottomLeft.y()) + " cm " +
                   formName(form) + " Do Q\n";
    if (!content.forms.contains(form))
        content.forms.append(form);
}

int SharedPdfDocument::formFor(const Picture& picture, const QRectF& target,
                               const QTransform& toPaper) {
    const QRectF onPaper = toPaper.mapRect(target).normalized();
    QByteArray key = picture.contentKey();
    if (!key.isEmpty()) {
        key += '@' + QByteArray::number(qRound64(onPaper.width() * 1000)) + 'x' +
               QByteArray::number(qRound64(onPaper.height() * 1000));
        const auto found = m_formByKey.constFind(key);
        if (found != m_formByKey.constEnd())
            return found.value();
    }

    // The picture is drawn where it is first placed, on a page of the paper's size, so that it
    // sees the same device as on a page painted by Qt.
    if (!m_qtPainter) {
        m_qtBuffer = std::make_unique<QBuffer>();
        m_qtBuffer->open(QIODevice::WriteOnly);
        m_qtWriter = std::make_unique<QPdfWriter>(m_qtBuffer.get());
        m_qtWriter->setResolution(m_resolution);
        m_qtWriter->setPageLayout(
            QPageLayout(m_paper, QPageLayout::Portrait, QMarginsF(), QPageLayout::Point));
        m_qtPainter = std::make_unique<QPainter>();
        if (!m_qtPainter->begin(m_qtWriter.get()))
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the pictures of the document could not be "
                                 "drawn."));
    } else {
        m_qtWriter->setPageSize(m_paper);
        if (!m_qtWriter->newPage())
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the pictures of the document could not be "
                                 "drawn on a new page."));
    }
    const int qtPage = m_qtPages++;

    const double deviceUnitsPerMillimetre = m_resolution / MillimetresPerInch;
    const QTransform device =
        toPaper * QTransform::fromScale(deviceUnitsPerMillimetre, deviceUnitsPerMillimetre);
    QPainter& painter = *m_qtPainter;
    painter.save();
    painter.setTransform(device);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    try {
        picture.draw(painter, target);
    } catch (...) {
        painter.restore();
        throw;
    }
    painter.restore();

    const double pointsPerDeviceUnit = 72.0 / m_resolution;
    const QRectF drawn = device.mapRect(target).normalized();
    m_forms.append(Form{
        qtPage, QRectF(drawn.topLeft() * pointsPerDeviceUnit, drawn.size() * pointsPerDeviceUnit)});
    const int form = int(m_forms.size()) - 1;
    if (!key.isEmpty())
        m_formByKey.insert(key, form);
    return form;
}

void SharedPdfDocument::finishPage() {
    if (!m_pageOpen)
        return;
    m_pageOpen = false;
    Page page;
    page.sizePoints = m_pageSizePoints;
    page.own = std::exchange(m_own.ops, QByteArray());
    page.forms = m_body.forms;
    for (int form : std::as_const(m_own.forms))
        if (!page.forms.contains(form))
            page.forms.append(form);
    m_own.forms.clear();
    m_body.forms.clear();
    // Copies of a set draw the same body at the same size: it is written once.
    const QByteArray bodyKey = QByteArray::number(m_pageSizePoints.width()) + 'x' +
                               QByteArray::number(m_pageSizePoints.height()) + '\n' + m_body.ops;
    const auto found = m_bodyIndex.constFind(bodyKey);
    if (found != m_bodyIndex.constEnd()) {
        page.body = found.value();
    } else {
        page.body = int(m_bodies.size());
        m_bodies.append(m_body.ops);
        m_bodyIndex.insert(bodyKey, page.body);
    }
    m_body.ops.clear();
    m_pages.append(std::move(page));
}

void SharedPdfDocument::write(const QString& path, const QString& title, const QString& creator) {
    finishPage();
    if (m_written)
        raise(ErrNo::InternalError,
              QStringLiteral("Internal error: a PDF document was written twice."));
    m_written = true;
    QByteArray qtPdf;
    if (m_qtPainter) {
        const bool ended = m_qtPainter->end();
        m_qtPainter.reset();
        m_qtWriter.reset();
        if (!ended)
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the pictures of the document could not be "
                                 "finished."));
        qtPdf = std::exchange(m_qtBuffer, nullptr)->data();
    }

    PdfAssembly document;
    document.qtPdf = std::move(qtPdf);
    for (const Form& form : std::as_const(m_forms))
        document.forms.append({form.qtPage, form.drawnPoints});
    document.bodies = m_bodies;
    for (const Page& page : std::as_const(m_pages))
        document.pages.append({page.sizePoints, page.body, page.own, page.forms});
    document.path = path;
    document.title = title;
    document.creator = creator;
    QString why;
    static QString missing;
    static const auto writePdf = [] {
        return reinterpret_cast<WritePdf>(
            programModuleFunction(PdfWriterModule, WritePdfSymbol, &missing));
    }();
    if (!writePdf)
        why = QStringLiteral("the PDF writer cannot be loaded: %1; install Zavolin again")
                  .arg(missing);
    if (!writePdf || !writePdf(&document, &why))
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the PDF document %1 could not be written (%2).")
                  .arg(QFileInfo(path).absoluteFilePath(), why));
}

} // namespace zavolin
