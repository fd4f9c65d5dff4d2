#pragma once

#include <QDeadlineTimer>

namespace zavolin {

// How long each step of a plug-in's code may take before it is given up on: loading the
// library, registering it, creating an object, each member call, each answer of a helper. One
// value for the whole program, 5000 ms; the program never changes it, and zavolin-sheet takes
// it from ZAVOLIN_PLUGIN_LIMIT_MS when that is set. Tests shorten it so that a library that
// hangs costs them little.
constexpr int DefaultPluginLimitMs = 5000;
int pluginLimitMs();
void setPluginLimitMs(int ms);

// While one lives, every step of plug-in code also ends by its deadline: what one library may
// cost in all, from its registration to the last question asked of it, while the program
// starts. Budgets do not nest: an inner one is the outer one's.
class PluginBudget {
public:
    PluginBudget();
    ~PluginBudget();
    PluginBudget(const PluginBudget&) = delete;
    PluginBudget& operator=(const PluginBudget&) = delete;

private:
    bool m_outermost;
};

// The deadline of a step that starts now: the step's limit, but no later than the budget. A
// step started when the budget is spent still gets a tenth of the limit, so that a library
// whose registration hung, and which registered all the same, can still be asked what it is.
QDeadlineTimer pluginStepDeadline();

} // namespace zavolin
