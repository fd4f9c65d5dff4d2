#include "PreviewBox.h"

#include <QPainter>

namespace zavolin {

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
    m_surface.line(x1, y1, x2, y2);
    update();
}

void PreviewBox::paintPicture(const Picture& picture, double x, double y, double width,
                              double height) {
    fitImage();
    m_surface.paintPicture(picture, x, y, width, height);
    update();
}

void PreviewBox::clear() {
    fitImage();
    m_surface.clear();
    update();
}

const QImage& PreviewBox::image() {
    fitImage();
    return m_surface.image();
}

void PreviewBox::paintEvent(QPaintEvent*) {
    fitImage();
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
}

void PreviewBox::resizeEvent(QResizeEvent* event) {
    fitImage();
    QWidget::resizeEvent(event);
}

void PreviewBox::fitImage() {
    m_surface.resize(size(), devicePixelRatioF());
}

} // namespace zavolin
