#pragma once

#include "errors/Trap.h"

namespace zavolin {

// The statements of an engine entry point as statements of the guarded procedure that calls
// it: under the caller's trap, at the labels the caller gives, as if written in its body.
// Without a trap they run plainly and a failure raises to the caller.
class CallerTrap {
public:
    CallerTrap() = default;
    CallerTrap(Trap& trap)
        : m_trap(&trap) {}

    template <typename Statement>
    void at(qint32 label, Statement&& statement) const {
        if (m_trap)
            m_trap->at(label, std::forward<Statement>(statement));
        else
            statement();
    }

    template <typename Condition>
    bool test(qint32 label, Condition&& condition) const {
        if (m_trap)
            return m_trap->test(label, std::forward<Condition>(condition));
        return condition();
    }

    // A statement whose failure is neither reported nor raised.
    template <typename Statement>
    void quietly(Statement&& statement) const {
        Trap::quietly(std::forward<Statement>(statement));
    }

private:
    Trap* m_trap = nullptr;
};

} // namespace zavolin
