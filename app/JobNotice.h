#pragma once

#include <QLabel>
#include <QTimer>
#include <chrono>

namespace zavolin {

// A line over the bottom edge of the preview that says for a while where the last print went.
// It is no window the user must close, and nothing of the main window moves for it: a status
// bar would take its height from the client area the layout divides.
class JobNotice : public QLabel {
    Q_OBJECT

public:
    static constexpr std::chrono::seconds ShownFor{15};

    // A hidden notice on the preview; it follows the preview's size.
    explicit JobNotice(QWidget* preview);

    // Shows the text until ShownFor has passed or the next one comes.
    void say(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QTimer m_hide;
};

} // namespace zavolin
