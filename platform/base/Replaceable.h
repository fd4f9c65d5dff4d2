#pragma once

namespace zavolin {

// A platform service with one process-wide instance that tests can replace by a fake.
// Interface::current() returns the fake while a ScopedReplacement lives, else the real one.
template <typename Interface>
class Replaceable {
public:
    static Interface& current() { return s_replacement ? *s_replacement : Interface::real(); }
    static void replace(Interface* replacement) { s_replacement = replacement; }
    static Interface* replacement() { return s_replacement; }

private:
    static inline Interface* s_replacement = nullptr;
};

template <typename Interface>
class ScopedReplacement {
public:
    explicit ScopedReplacement(Interface& fake)
        : m_previous(Interface::replacement()) {
        Interface::replace(&fake);
    }
    ~ScopedReplacement() { Interface::replace(m_previous); }
    ScopedReplacement(const ScopedReplacement&) = delete;
    ScopedReplacement& operator=(const ScopedReplacement&) = delete;

private:
    Interface* m_previous;
};

} // namespace zavolin
