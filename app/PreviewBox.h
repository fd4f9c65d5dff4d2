#pragma once

#include "platform/print/DrawingSurface.h"
#include "sheet/ImageSurface.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace zavolin {

// The preview box Bild: a widget measuring in pixels that keeps what is drawn on it in its
// own image, the same size as the widget at the screen's pixel density, and shows that image
// when it repaints. Lines are
// drawn in the foreground colour, light grey unless set otherwise; clear() fills the image
// with the background colour, white.
class PreviewBox : public QWidget, public DrawingSurface {
    Q_OBJECT

public:
    explicit PreviewBox(QWidget* parent = nullptr);

    double scaleWidth() override;
    double scaleHeight() override;
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;

    // Erases everything drawn.
    void clear();

    QColor foreColor() const { return m_surface.foreColor(); }
    void setForeColor(const QColor& color) { m_surface.setForeColor(color); }
    QColor backColor() const { return m_surface.backColor(); }

    // What the box shows, at the widget's current size and pixel ratio.
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Brings the image to the widget's size and pixel ratio, keeping what was drawn. A hidden
    // widget gets its resize event only when shown, and a move to a denser screen brings none,
    // so every use checks.
    void fitImage();

    ImageSurface m_surface;
};

} // namespace zavolin
