#include "ScreenFit.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace zavolin {

QSize fittedWindowSize(QSize defined, QSize available, QMargins frame, int neededHeight) {
    const QSize room = available.shrunkBy(frame);
    if (defined.isEmpty() || (room.width() >= defined.width() && room.height() >= defined.height()))
        return defined;
    // The tighter direction sets the proportion; whole numbers, so that it meets the room
    // exactly.
    QSize size;
    if (qint64(room.width()) * defined.height() <= qint64(room.height()) * defined.width())
        size = QSize(room.width(), int(qint64(defined.height()) * room.width() / defined.width()));
    else
        size =
            QSize(int(qint64(defined.width()) * room.height() / defined.height()), room.height());
    // A narrow screen would shrink the height too: the toolbar down the right edge needs it.
    size.setHeight(std::max(size.height(), std::min(neededHeight, room.height())));
    return size.expandedTo(QSize(1, 1));
}

void fitToScreen(QWidget& window, int neededHeight) {
    // A window on no screen has nothing to fit; laying it out reports the missing screen.
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect available = screen->availableGeometry();
    // At a fractional scale the screen's size in pixels of the scale is rounded, perhaps up: a
    // pixel less surely fits.
    const qreal ratio = screen->devicePixelRatio();
    if (ratio != std::floor(ratio))
        available.adjust(0, 0, -1, -1);
    const bool shown = window.isVisible();
    QMargins frame;
    if (shown) {
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    } else {
        // Made now, the native window says what frame it expects, where the window system
        // knows before showing; so the fit after showing rarely resizes, and lays out, again.
        window.winId();
        if (const QWindow* handle = window.windowHandle())
            frame = handle->frameMargins();
    }
    const QSize size = fittedWindowSize(window.size(), available.size(), frame, neededHeight);
    if (size != window.size())
        window.resize(size);
    if (!shown)
        return;
    // The frame's top left corner is the window's position.
    const QSize outer = size.grownBy(frame);
    const int left = std::clamp(window.frameGeometry().left(), available.left(),
                                std::max(available.left(), available.right() + 1 - outer.width()));
    const int top = std::clamp(window.frameGeometry().top(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - outer.height()));
    if (QPoint(left, top) != window.frameGeometry().topLeft())
        window.move(left, top);
}

} // namespace zavolin
