#pragma once

#include "platform/base/Replaceable.h"

#include <QString>

namespace zavolin {

// Opens a web or "mailto:" address with the user's default program. Like the shell call it
// stands in for, it reports nothing back.
class Shell : public Replaceable<Shell> {
public:
    virtual ~Shell() = default;
    virtual void open(const QString& target) = 0;
    static Shell& real();
};

} // namespace zavolin
