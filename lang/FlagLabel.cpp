#include "FlagLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zavolin {

FlagLabel::FlagLabel(QWidget* parent)
    : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void FlagLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release of the left button over the picture.
void FlagLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void FlagLabel::keyPressEvent(QKeyEvent* event) {
    // Space, as on a button; Enter stays the dialog's, for its default button.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void FlagLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor(255, 214, 0), 2));
    painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
}

} // namespace zavolin
