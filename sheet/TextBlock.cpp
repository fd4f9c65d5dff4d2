#include "TextBlock.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace zavolin {
namespace {

// Laid out at this many units to the em and scaled to the rectangle: metrics this large are
// exact enough for any scale, and a font in pixels does not depend on the device's resolution.
constexpr double ReferencePixels = 100;
constexpr double MarkerIndent = 1.5; // ems a marked paragraph hangs by

QFont fontFor(const TextBlock::Style& style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(ReferencePixels));
    font.setBold(style.bold);
    return font;
}

// Lays the text out in reference units; returns the height its lines take.
double layOut(QTextLayout& layout, double widthInEms, const TextBlock::Style& style) {
    const double indent = style.marker.isEmpty() ? 0 : MarkerIndent * ReferencePixels;
    QTextOption option(style.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(widthInEms * ReferencePixels - indent);
        line.setPosition(QPointF(indent, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

} // namespace

TextBlock::TextBlock(QString text, double widthInEms, Style style)
    : m_text(std::move(text))
    , m_widthInEms(widthInEms)
    , m_style(std::move(style)) {
    QTextLayout layout(m_text, fontFor(m_style));
    m_heightInEms = layOut(layout, m_widthInEms, m_style) / ReferencePixels;
}

QSizeF TextBlock::size() const {
    return {m_widthInEms, m_heightInEms};
}

QByteArray TextBlock::contentKey() const {
    return "text-block:" + QByteArray::number(m_widthInEms, 'g', 17) + ':' +
           (m_style.bold ? "b" : "") + (m_style.centred ? "c" : "") + ':' +
           m_style.marker.toUtf8() + '\n' + m_text.toUtf8();
}

void TextBlock::draw(QPainter& painter, const QRectF& target) const {
    if (m_widthInEms <= 0 || target.width() <= 0)
        return;
    const QFont font = fontFor(m_style);
    QTextLayout layout(m_text, font);
    layOut(layout, m_widthInEms, m_style);
    const double scale = target.width() / (m_widthInEms * ReferencePixels);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    painter.setFont(font);
    if (!m_style.marker.isEmpty())
        painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), m_style.marker);
    layout.draw(&painter, QPointF(0, 0));
    painter.restore();
}

} // namespace zavolin
