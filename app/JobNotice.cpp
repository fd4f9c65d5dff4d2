#include "JobNotice.h"

#include <QAccessible>
#include <QEvent>

namespace zavolin {

JobNotice::JobNotice(QWidget* preview)
    : QLabel(preview) {
    setObjectName(QStringLiteral("lblJobSent"));
    // Dark text on a pale band, readable over any banknote the preview shows.
    setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 255, 225, 235); color: black; "
                                 "border-top: 1px solid gray; padding: 2px 6px; }"));
    setTextFormat(Qt::PlainText);
    m_hide.setSingleShot(true);
    m_hide.setInterval(ShownFor);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
    preview->installEventFilter(this);
    hide();
}

void JobNotice::say(const QString& text) {
    setText(text);
    setToolTip(text);
    // A screen reader says it without the focus moving there.
    setAccessibleName(text);
    place();
    show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    m_hide.start();
}

bool JobNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize && !isHidden())
        place();
    return QLabel::eventFilter(watched, event);
}

void JobNotice::place() {
    const QWidget* preview = parentWidget();
    const int height = sizeHint().height();
    setGeometry(0, preview->height() - height, preview->width(), height);
}

} // namespace zavolin
