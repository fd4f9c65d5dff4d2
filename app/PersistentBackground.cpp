#include "PersistentBackground.h"

#include "platform/base/RuntimeError.h"

#include <QBrush>
#include <QPalette>
#include <QWidget>

namespace zavolin {

PersistentBackground::PersistentBackground(QWidget& window)
    : m_window(window) {}

PersistentBackground::~PersistentBackground() {
    if (m_painter.isActive())
        m_painter.end();
}

void PersistentBackground::begin(QSize size, const QColor& fill) {
    if (m_painter.isActive())
        m_painter.end();
    m_image = QImage(size, QImage::Format_RGB32);
    if (m_image.isNull())
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("The window background of %1 x %2 pixels cannot be created.")
                  .arg(size.width())
                  .arg(size.height()));
    m_image.fill(fill);
    if (!m_painter.begin(&m_image))
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("The window background cannot be drawn on."));
}

void PersistentBackground::drawPicture(const QPixmap& picture, int x, int y) {
    if (!m_painter.isActive())
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("The window background is not being drawn."));
    m_painter.drawPixmap(x, y, picture);
}

void PersistentBackground::end() {
    if (!m_painter.isActive())
        return;
    m_painter.end();
    // The palette's window brush is what an auto-filled widget paints behind its children.
    QPalette palette = m_window.palette();
    palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(m_image)));
    m_window.setPalette(palette);
    m_window.setAutoFillBackground(true);
}

} // namespace zavolin
