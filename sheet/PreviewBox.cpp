#include "PreviewBox.h"

#include "platform/Picture.h"
#include "platform/RuntimeError.h"

#include <QPainter>

namespace zavolin {
namespace {

// Runs `draw` with a painter on the image; an empty box has nothing to draw on.
template <typename Draw>
void drawOn(QImage& image, Draw&& draw) {
    if (image.isNull())
        return;
    QPainter painter;
    if (!painter.begin(&image))
        raise(ErrNo::InternalError, QStringLiteral("The preview cannot be drawn on."));
    draw(painter);
    painter.end();
}

} // namespace

PreviewBox::PreviewBox(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImage();
}

double PreviewBox::scaleWidth() {
    return width();
}

double PreviewBox::scaleHeight() {
    return height();
}

void PreviewBox::line(double x1, double y1, double x2, double y2) {
    fitImage();
    drawOn(m_image, [&](QPainter& painter) {
        painter.setPen(QPen(m_foreColor, 0));
        painter.drawLine(QLineF(x1, y1, x2, y2));
    });
    update();
}

void PreviewBox::paintPicture(const Picture& picture, double x, double y, double width,
                              double height) {
    fitImage();
    drawOn(m_image, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.draw(painter, QRectF(x, y, width, height));
    });
    update();
}

void PreviewBox::clear() {
    fitImage();
    m_image.fill(m_backColor);
    update();
}

const QImage& PreviewBox::image() {
    fitImage();
    return m_image;
}

void PreviewBox::paintEvent(QPaintEvent*) {
    fitImage();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void PreviewBox::resizeEvent(QResizeEvent* event) {
    fitImage();
    QWidget::resizeEvent(event);
}

void PreviewBox::fitImage() {
    const QSize size = this->size();
    if (m_image.size() == size)
        return;
    QImage image;
    if (!size.isEmpty()) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(m_backColor);
        if (!m_image.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, m_image);
        }
    }
    m_image = std::move(image);
}

} // namespace zavolin
