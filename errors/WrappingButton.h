#pragma once

#include <QPushButton>

namespace zavolin {

// A push button whose caption wraps onto further lines when it is wider than the button, as
// the error window's small buttons with their two-language captions need.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zavolin
