#include "SerialPlate.h"

#include "platform/base/RuntimeError.h"

#include <QCryptographicHash>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace zavolin {
namespace {

// Millimetres on paper.
constexpr double Em = 3.0;      // digits 2.2 mm high
constexpr double Padding = 0.8; // around the text
constexpr double Inset = 1.5;   // from the note's edges
constexpr double Border = 0.2;
constexpr double Corner = 0.8;
constexpr double ReferencePixels = 100; // laid out at this size, then scaled

} // namespace

SerialPlate::SerialPlate(QString serial)
    : m_serial(std::move(serial))
    , m_font(QStringLiteral("DejaVu Sans Mono")) {
    m_font.setStyleHint(QFont::Monospace);
    m_font.setBold(true);
    m_font.setPixelSize(int(ReferencePixels));
}

QSizeF SerialPlate::size() const {
    const QFontMetricsF metrics(m_font);
    const double width = metrics.horizontalAdvance(m_serial) * Em / ReferencePixels;
    return {width + 2 * Padding, Em + 2 * Padding};
}

void SerialPlate::draw(QPainter& painter, const QRectF& target) const {
    const QSizeF natural = size();
    const double perMillimetre = target.width() / natural.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double border = Border * perMillimetre;
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), border));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(target.adjusted(border / 2, border / 2, -border / 2, -border / 2),
                            Corner * perMillimetre, Corner * perMillimetre);
    const double scale = Em * perMillimetre / ReferencePixels;
    const QFontMetricsF metrics(m_font);
    painter.translate(target.x() + Padding * perMillimetre,
                      target.center().y() - (metrics.ascent() - metrics.descent()) / 2 * scale);
    painter.scale(scale, scale);
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, metrics.ascent()), m_serial);
    painter.restore();
}

SerialPlates::SerialPlates(QList<std::pair<QRectF, QString>> plates)
    : m_plates(std::move(plates)) {
    for (const auto& [rect, serial] : std::as_const(m_plates))
        m_bounds = m_bounds.united(rect);
}

void SerialPlates::draw(QPainter& painter, const QRectF& target) const {
    if (m_bounds.isEmpty())
        return;
    const double sx = target.width() / m_bounds.width();
    const double sy = target.height() / m_bounds.height();
    for (const auto& [rect, serial] : m_plates)
        SerialPlate(serial).draw(painter, QRectF(target.x() + (rect.x() - m_bounds.x()) * sx,
                                                 target.y() + (rect.y() - m_bounds.y()) * sy,
                                                 rect.width() * sx, rect.height() * sy));
}

QByteArray SerialPlates::contentKey() const {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const auto& [rect, serial] : m_plates) {
        const QRectF at = rect.translated(-m_bounds.topLeft());
        hash.addData(QStringLiteral("%1,%2,%3,%4,%5;")
                         .arg(at.x())
                         .arg(at.y())
                         .arg(at.width())
                         .arg(at.height())
                         .arg(serial)
                         .toUtf8());
    }
    return "serial-plates:" + hash.result().toHex();
}

void addSerialPlates(PagePlan& plan, const QStringList& serials, float scale) {
    qsizetype note = 0;
    QList<PlannedPicture> plates;
    for (const PlannedPicture& picture : std::as_const(plan.pictures)) {
        if (picture.art != PlannedArt::NoteCell)
            continue;
        if (note >= serials.size())
            raise(ErrNo::InternalError,
                  QStringLiteral("Internal error: a page of %1 notes has %2 serials.")
                      .arg(note + 1)
                      .arg(serials.size()));
        const QSizeF plate = SerialPlate(serials[note]).size() * scale;
        const QRectF rect(picture.rect.left() + Inset * scale,
                          picture.rect.bottom() - Inset * scale - plate.height(), plate.width(),
                          plate.height());
        plates.append({rect, PlannedArt::SerialPlate, qint16(note), picture.label});
        ++note;
    }
    plan.pictures += plates;
}

} // namespace zavolin
