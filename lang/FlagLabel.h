#pragma once

#include <QLabel>

namespace zavolin {

// A picture that can be clicked, like an image control with a click event. It takes the
// focus with Tab, and Space clicks it, so a keyboard reaches it as a mouse does.
class FlagLabel : public QLabel {
    Q_OBJECT

public:
    explicit FlagLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A picture has no focus mark of its own: a frame shows that Space would click it.
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace zavolin
