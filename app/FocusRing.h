#pragma once

#include <QPointer>
#include <QWidget>

namespace zavolin {

// A frame drawn round whichever control of a window has the keyboard focus. The style's own
// focus mark is a faint dotted box that vanishes on the main window's dark red, and scroll
// bars get none at all; this one is a bright band between two dark lines, seen on any ground.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    // Follows the focus among the controls inside window; the ring is a child of window and
    // lies above them. It never takes a click or the focus itself.
    explicit FocusRing(QWidget* window);

    // The control the ring is round now, null while none inside the window has the focus.
    QWidget* target() const { return m_target; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();

    QPointer<QWidget> m_target;
};

} // namespace zavolin
