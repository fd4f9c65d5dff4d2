#include "FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace zavolin {
namespace {

// The ring's width on each side of the control: a dark line, the bright band, a dark line.
constexpr int Width = 4;
const QColor Dark(0, 0, 0);
const QColor Bright(255, 214, 0);

// The part of rect between the insets from and to.
QRegion band(const QRect& rect, int from, int to) {
    return QRegion(rect.adjusted(from, from, -from, -from)) -
           QRegion(rect.adjusted(to, to, -to, -to));
}

} // namespace

FocusRing::FocusRing(QWidget* window)
    : QWidget(window) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused) {
    if (m_target)
        m_target->removeEventFilter(this);
    const bool inside = focused && focused != this && parentWidget()->isAncestorOf(focused);
    m_target = inside ? focused : nullptr;
    if (!m_target) {
        hide();
        return;
    }
    // Moves, resizes and hides of the control take the ring along.
    m_target->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!m_target || !m_target->isVisible()) {
        hide();
        return;
    }
    const QPoint topLeft = m_target->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(QRect(topLeft, m_target->size()).adjusted(-Width, -Width, Width, Width));
    // Only the frame belongs to the ring: the control inside shows and repaints as before.
    setMask(band(rect(), 0, Width));
    show();
    raise();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Dark);
    painter.setClipRegion(band(rect(), 1, Width - 1));
    painter.fillRect(rect(), Bright);
}

} // namespace zavolin
