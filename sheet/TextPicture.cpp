#include "TextPicture.h"

#include <QFontMetricsF>
#include <QPainter>

namespace zavolin {
namespace {

// The font is laid out at this size and scaled to the rectangle: text metrics at a large size
// are exact enough for any scale.
constexpr double ReferencePixels = 100;

} // namespace

TextPicture::TextPicture(QString text, QColor color)
    : m_text(std::move(text))
    , m_color(color)
    , m_font(QStringLiteral("DejaVu Sans")) {
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(int(ReferencePixels));
}

QSizeF TextPicture::size() const {
    const QFontMetricsF metrics(m_font);
    return {metrics.horizontalAdvance(m_text), metrics.height()};
}

double TextPicture::widthAt(double height) const {
    const QSizeF natural = size();
    return natural.height() > 0 ? natural.width() * height / natural.height() : 0;
}

QByteArray TextPicture::contentKey() const {
    return "text:" + m_color.name(QColor::HexArgb).toLatin1() + ':' + m_text.toUtf8();
}

void TextPicture::draw(QPainter& painter, const QRectF& target) const {
    const QFontMetricsF metrics(m_font);
    if (target.height() <= 0 || metrics.height() <= 0)
        return;
    const double scale = target.height() / metrics.height();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.setFont(m_font);
    painter.setPen(m_color);
    painter.drawText(QPointF(0, metrics.ascent()), m_text);
    painter.restore();
}

} // namespace zavolin
