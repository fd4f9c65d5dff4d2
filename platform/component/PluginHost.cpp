#include "PluginHost.h"

#include "HostMessage.h"
#include "PluginLimits.h"
#include "TrustedLibrary.h"
#include "host_protocol.h"
#include "platform/base/RuntimeError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

namespace zavolin {
namespace {

// The running hosts by library; a host leaves when its last object is released.
QHash<QString, std::weak_ptr<PluginHost>>& hosts() {
    static QHash<QString, std::weak_ptr<PluginHost>> running;
    return running;
}

// Plug-ins are reached from the window's thread only.
HostKeepAlive* g_keepAlive = nullptr;

[[noreturn]] void cannotCreate(const QString& progId, const QString& why) {
    raise(ErrNo::CantCreateObject,
          QStringLiteral("Cannot create an object of class \"%1\": %2").arg(progId, why));
}

} // namespace

QString PluginHost::helperPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zavolin-host");
}

std::shared_ptr<PluginHost> PluginHost::of(const QString& library, const QString& progId) {
    QString why;
    std::shared_ptr<PluginHost> host = loaded(library, &why);
    if (!host)
        cannotCreate(progId, why);
    return host;
}

std::shared_ptr<PluginHost> PluginHost::loaded(const QString& library, QString* why) {
    if (std::shared_ptr<PluginHost> running = hosts().value(library).lock();
        running && running->m_channel.open())
        return running;
    std::shared_ptr<PluginHost> host(new PluginHost(library));
    if (const QString failed = host->load(); !failed.isEmpty()) {
        if (why)
            *why = failed;
        return nullptr;
    }
    hosts().insert(library, host);
    if (g_keepAlive)
        g_keepAlive->m_hosts.push_back(host);
    return host;
}

HostKeepAlive::HostKeepAlive()
    : m_outer(g_keepAlive) {
    g_keepAlive = this;
}

HostKeepAlive::~HostKeepAlive() {
    g_keepAlive = m_outer;
    if (m_outer)
        m_outer->m_hosts.insert(m_outer->m_hosts.end(), m_hosts.begin(), m_hosts.end());
}

PluginHost::PluginHost(QString library)
    : m_library(std::move(library)) {}

PluginHost::~PluginHost() {
    const auto it = hosts().constFind(m_library);
    if (it != hosts().constEnd() && it->expired())
        hosts().erase(it);
}

QString PluginHost::load() {
    // The registry may name any file, so what it names is judged again here; the registry
    // keeps no plug-in folder, so the library's own folder stands for it.
    if (const QString why = untrustedReason(m_library, QFileInfo(m_library).absolutePath());
        !why.isEmpty())
        return why + QLatin1Char('.');
    const QDeadlineTimer deadline = pluginStepDeadline();
    if (!m_channel.start(helperPath(), {m_library}, deadline))
        raise(ErrNo::FileNotFound,
              QStringLiteral("File not found: the plug-in host %1 cannot be started (%2).")
                  .arg(helperPath(), m_channel.why()));
    const std::optional<QByteArray> answer = m_channel.receive(deadline);
    if (!answer)
        return QStringLiteral("its library %1 could not be loaded (%2).")
            .arg(m_library, m_channel.why());
    HostMessageReader reader(*answer);
    const char kind = reader.kind();
    if (kind == ZH_NOT_LOADED) {
        const QString why = reader.text();
        return QStringLiteral("its library %1 cannot be loaded%2.")
            .arg(m_library, why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why));
    }
    const bool hasVersion = reader.i32() != 0;
    const qint32 version = reader.i32();
    m_hasFactory = reader.i32() != 0;
    if (kind != ZH_LOADED || !reader.complete()) {
        m_channel.kill(QStringLiteral("it sent something that is no answer"));
        return QStringLiteral("its library %1 could not be loaded (%2).")
            .arg(m_library, m_channel.why());
    }
    if (hasVersion)
        m_version = version;
    return {};
}

std::optional<QByteArray> PluginHost::exchange(const QByteArray& message, const QString& step) {
    const bool wasOpen = m_channel.open();
    std::optional<QByteArray> answer = m_channel.exchange(message, pluginStepDeadline());
    if (!answer && wasOpen && m_endedIn.isEmpty())
        m_endedIn = step;
    return answer;
}

void PluginHost::refuse(const QString& step) {
    m_channel.kill(QStringLiteral("it sent something that is no answer"));
    if (m_endedIn.isEmpty())
        m_endedIn = step;
}

PluginHost::Created PluginHost::create(const QString& className, const QString& progId) {
    const QString step = QStringLiteral("the factory");
    const std::optional<QByteArray> answer =
        exchange(HostMessageWriter(ZH_CREATE).text(className).bytes(), step);
    if (answer) {
        HostMessageReader reader(*answer);
        const char kind = reader.kind();
        const qint32 value = reader.i32();
        if (reader.complete() && kind == ZH_OBJECT)
            return {quint32(value), 0};
        if (reader.complete() && kind == ZH_FAILED)
            return {std::nullopt, value};
        refuse(step);
    }
    cannotCreate(progId, QStringLiteral("its library %1 failed while making class %2 (%3).")
                             .arg(m_library, className, why()));
}

std::optional<PluginHost::Answer> PluginHost::invoke(quint32 object, const QString& member,
                                                     const QList<ComVariant>& arguments) {
    HostMessageWriter message(ZH_INVOKE);
    message.i32(qint32(object)).text(member).i32(qint32(arguments.size()));
    for (const ComVariant& argument : arguments)
        message.variant(argument);
    const std::optional<QByteArray> answer = exchange(message.bytes(), member);
    if (!answer)
        return std::nullopt;
    HostMessageReader reader(*answer);
    Answer result;
    const char kind = reader.kind();
    result.status = reader.i32();
    result.value = reader.variant();
    if (kind != ZH_RESULT || !reader.complete()) {
        refuse(member);
        return std::nullopt;
    }
    return result;
}

void PluginHost::release(quint32 object) {
    const QString step = QStringLiteral("the release of an object");
    const std::optional<QByteArray> answer =
        exchange(HostMessageWriter(ZH_RELEASE).i32(qint32(object)).bytes(), step);
    if (answer && HostMessageReader(*answer).kind() != ZH_RELEASED)
        refuse(step);
}

bool PluginHost::findEntry(const QByteArray& name) {
    const QString step = QString::fromLatin1(name);
    const std::optional<QByteArray> answer =
        exchange(HostMessageWriter(ZH_ENTRY).text(step).bytes(), step);
    if (!answer)
        return false;
    HostMessageReader reader(*answer);
    const char kind = reader.kind();
    const bool found = reader.i32() != 0;
    if (kind != ZH_FOUND || !reader.complete()) {
        refuse(step);
        return false;
    }
    return found;
}

bool PluginHost::startEntry() {
    const QString step = QStringLiteral("the registration");
    const std::optional<QByteArray> answer = exchange(HostMessageWriter(ZH_RUN).bytes(), step);
    if (!answer)
        return false;
    if (HostMessageReader(*answer).kind() != ZH_STARTED) {
        refuse(step);
        return false;
    }
    return true;
}

bool PluginHost::waitForEntry(QDeadlineTimer deadline) {
    const std::optional<QByteArray> answer = m_channel.receive(deadline);
    if (answer && HostMessageReader(*answer).kind() == ZH_RETURNED)
        return true;
    if (answer)
        refuse(QStringLiteral("the registration"));
    else if (m_endedIn.isEmpty())
        m_endedIn = QStringLiteral("the registration");
    // No answer: it crashed, or the time ran out and the host was ended for it.
    return !deadline.hasExpired();
}

void PluginHost::end(const QString& why) {
    m_channel.kill(why);
}

QString PluginHost::why() const {
    if (m_endedIn.isEmpty())
        return QStringLiteral("its plug-in host ended: %1").arg(m_channel.why());
    return QStringLiteral("its plug-in host ended in %1: %2").arg(m_endedIn, m_channel.why());
}

} // namespace zavolin
