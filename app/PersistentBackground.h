#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSize>

class QWidget;

namespace zavolin {

// A window's persistent background: what is drawn between begin() and end() becomes the
// picture the window shows behind its controls until the next drawing replaces it.
class PersistentBackground {
public:
    explicit PersistentBackground(QWidget& window);
    ~PersistentBackground();
    PersistentBackground(const PersistentBackground&) = delete;
    PersistentBackground& operator=(const PersistentBackground&) = delete;

    // Starts drawing on a fresh image of the given size filled with `fill`; raises
    // InvalidProcedureCall when nothing can be drawn on it.
    void begin(QSize size, const QColor& fill);
    bool drawing() const { return m_painter.isActive(); }
    // The picture at (x, y) in its own size.
    void drawPicture(const QPixmap& picture, int x, int y);
    // Ends drawing and puts the image behind the window's controls.
    void end();

private:
    QWidget& m_window;
    QImage m_image;
    QPainter m_painter;
};

} // namespace zavolin
