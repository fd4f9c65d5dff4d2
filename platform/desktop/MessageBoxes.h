#pragma once

#include "platform/base/Replaceable.h"

#include <QString>

class QWidget;

namespace zavolin {

// Modal message boxes with the program's title as caption and no icon.
class MessageBoxes : public Replaceable<MessageBoxes> {
public:
    virtual ~MessageBoxes() = default;
    // An OK box; returns when the user has pressed OK.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    // A Yes/No box; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    static MessageBoxes& real();
};

} // namespace zavolin
