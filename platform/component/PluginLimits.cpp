#include "PluginLimits.h"

#include <atomic>
#include <optional>

namespace zavolin {
namespace {

std::atomic<int> g_limitMs{DefaultPluginLimitMs};
// Plug-ins are reached from the window's thread only.
std::optional<QDeadlineTimer> g_budget;

} // namespace

int pluginLimitMs() {
    return g_limitMs.load();
}

void setPluginLimitMs(int ms) {
    g_limitMs.store(ms);
}

PluginBudget::PluginBudget()
    : m_outermost(!g_budget) {
    if (m_outermost)
        g_budget = QDeadlineTimer(pluginLimitMs());
}

PluginBudget::~PluginBudget() {
    if (m_outermost)
        g_budget.reset();
}

QDeadlineTimer pluginStepDeadline() {
    const QDeadlineTimer step(pluginLimitMs());
    if (!g_budget || g_budget->deadlineNSecs() >= step.deadlineNSecs())
        return step;
    const QDeadlineTimer least(pluginLimitMs() / 10);
    return g_budget->deadlineNSecs() < least.deadlineNSecs() ? least : *g_budget;
}

} // namespace zavolin
