#include "HelperStart.h"

#include "HelperEnd.h"
#include "PluginHost.h"
#include "TrustedLibrary.h"

#include <algorithm>

namespace zavolin {
namespace {

// Plug-ins are reached from the window's thread only.
HelperPrestart* g_prestart = nullptr;

// Each host holds a few descriptors and two processes: a folder of many libraries has only
// its first ones started ahead, the rest one after another as before.
constexpr int MostPrestartedLibraries = 8;

std::unique_ptr<QProcess> newHelper(const QString& program, const QStringList& arguments) {
    auto helper = std::make_unique<QProcess>();
    if (qEnvironmentVariableIsSet("ZAVOLIN_DEBUG"))
        helper->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    else
        helper->setStandardErrorFile(QProcess::nullDevice());
    helper->start(program, arguments);
    return helper;
}

} // namespace

bool startHelper(std::unique_ptr<QProcess>& helper, const QString& program,
                 const QStringList& arguments, int ms) {
    helper.reset();
    if (g_prestart) {
        auto& started = g_prestart->m_started;
        const auto it = std::find_if(started.begin(), started.end(), [&](const auto& s) {
            return s.helper && s.program == program && s.arguments == arguments;
        });
        if (it != started.end())
            helper = std::move(it->helper);
    }
    if (!helper)
        helper = newHelper(program, arguments);
    // One started ahead may have ended already, its answer waiting in the pipe.
    return helper->waitForStarted(ms) ||
           (helper->state() == QProcess::NotRunning && helper->error() != QProcess::FailedToStart);
}

void startHelperAhead(const QString& program, const QStringList& arguments) {
    if (g_prestart)
        g_prestart->start(program, arguments);
}

HelperPrestart::HelperPrestart(const QString& pluginFolder, const QStringList& libraries)
    : m_outer(g_prestart) {
    for (const QString& library : libraries.mid(0, MostPrestartedLibraries)) {
        if (!untrustedReason(library, pluginFolder).isEmpty())
            continue;
        start(PluginHost::helperPath(), {library});
    }
    g_prestart = this;
}

HelperPrestart::~HelperPrestart() {
    g_prestart = m_outer;
    // One not asked for ends once its input closes, while the program goes on.
    for (Started& started : m_started)
        endHelperLater(std::move(started.helper), 100);
}

void HelperPrestart::start(const QString& program, const QStringList& arguments) {
    m_started.push_back({program, arguments, newHelper(program, arguments)});
}

} // namespace zavolin
