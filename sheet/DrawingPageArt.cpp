#include "DrawingPageArt.h"

#include "DrawingPages.h"
#include "platform/base/RuntimeError.h"

#include <QPainter>
#include <QPainterPath>
#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <exception>

namespace zavolin {
namespace {

// Quartile error correction: a code survives a quarter of it scribbled over.
constexpr int CodeCorrection = 4;

constexpr double FrameLine = 0.3; // millimetres
constexpr double AreaLine = 0.2;
const QColor FrameColour(0x33, 0x33, 0x33);
const QColor AreaColour(0x99, 0x99, 0x99);

} // namespace

DrawingPageCode::DrawingPageCode(const QString& text)
    : m_text(text) {
    try {
        ZXing::MultiFormatWriter writer(ZXing::BarcodeFormat::QRCode);
        writer.setMargin(0);
        writer.setEccLevel(CodeCorrection);
        const ZXing::BitMatrix matrix = writer.encode(text.toStdString(), 0, 0);
        m_modules = matrix.width();
        m_dark.reserve(size_t(m_modules * m_modules));
        for (int y = 0; y < m_modules; ++y)
            for (int x = 0; x < m_modules; ++x)
                m_dark.push_back(matrix.get(x, y));
    } catch (const std::exception& e) {
        raise(ErrNo::InternalError,
              QStringLiteral("the page code \"%1\" cannot be made: %2").arg(text, e.what()));
    }
}

QSizeF DrawingPageCode::size() const {
    return {double(m_modules), double(m_modules)};
}

void DrawingPageCode::draw(QPainter& painter, const QRectF& target) const {
    // One path of row runs: neighbouring modules leave no hairline gap between them.
    const double module = target.width() / m_modules;
    QPainterPath path;
    for (int y = 0; y < m_modules; ++y)
        for (int x = 0; x < m_modules;) {
            if (!m_dark[size_t(y * m_modules + x)]) {
                ++x;
                continue;
            }
            int end = x;
            while (end < m_modules && m_dark[size_t(y * m_modules + end)])
                ++end;
            path.addRect(target.x() + x * module, target.y() + y * module, (end - x) * module,
                         module);
            x = end;
        }
    path.setFillRule(Qt::WindingFill);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, Qt::black);
    painter.restore();
}

QByteArray DrawingPageCode::contentKey() const {
    return "drawing-page-code:" + m_text.toLatin1();
}

void DrawingFrame::draw(QPainter& painter, const QRectF& target) const {
    const double perMillimetre = target.width() / m_size.width();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPen area(AreaColour, AreaLine * perMillimetre, Qt::DashLine);
    painter.setPen(area);
    const double inset = DrawingAreaInset * perMillimetre;
    painter.drawRect(target.adjusted(inset, inset, -inset, -inset));
    // The frame's line lies inside the note, where cutting the scan leaves it at the edge.
    const double half = FrameLine * perMillimetre / 2;
    painter.setPen(QPen(FrameColour, 2 * half, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(target.adjusted(half, half, -half, -half));
    painter.restore();
}

QByteArray DrawingFrame::contentKey() const {
    return "drawing-frame:" + QByteArray::number(m_size.width()) + 'x' +
           QByteArray::number(m_size.height());
}

} // namespace zavolin
