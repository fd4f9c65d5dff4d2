#pragma once

#include "ComVariant.h"
#include "HostChannel.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace zavolin {

// A plug-in library loaded in a process of its own, zavolin-host beside the program, where
// its objects live and its code runs. One host serves all objects of its library while any of
// them lives, so that asking a library several things costs one process start; it ends when
// the last of them is released. A host that crashes, hangs past the step limit or answers
// nonsense is ended; everything asked of it from then on fails.
class PluginHost {
public:
    // The running host of the library, or a new one. Raises CantCreateObject naming the
    // class asked for when the library cannot be loaded, or others could have changed it
    // (untrustedReason): then none of its code runs.
    static std::shared_ptr<PluginHost> of(const QString& library, const QString& progId);
    // As of(), but null when the library cannot be loaded or is not trusted, `why` then saying
    // why. Raises FileNotFound when the host itself cannot be started.
    static std::shared_ptr<PluginHost> loaded(const QString& library, QString* why = nullptr);
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    // The helper's path: zavolin-host in the folder of the running executable.
    static QString helperPath();

    const QString& library() const { return m_library; }
    // The interface version the library says it is built for; nullopt when it does not say.
    std::optional<int> interfaceVersion() const { return m_version; }
    bool hasFactory() const { return m_hasFactory; }

    // Asks the library's factory for an object of the class: its number in the host, or the
    // factory's status when it made none. Raises CantCreateObject when the host fails.
    struct Created {
        std::optional<quint32> object;
        qint32 status = 0;
    };
    Created create(const QString& className, const QString& progId);

    // A member call's status and value (nullopt when the plug-in left it malformed); nullopt
    // when the host failed, which why() then tells.
    struct Answer {
        qint32 status = 0;
        std::optional<ComVariant> value;
    };
    std::optional<Answer> invoke(quint32 object, const QString& member,
                                 const QList<ComVariant>& arguments);
    // Releases the object; a host that does not answer is ended.
    void release(quint32 object);

    // Looks a registration entry point up (DllRegisterServer, DllUnregisterServer); true when
    // the library has it. The library's interface version does not matter here.
    bool findEntry(const QByteArray& name);
    // Starts the entry point found last; true when it started.
    bool startEntry();
    // Whether the started entry point has returned, or the host ended, within `ms`.
    bool entryEndsWithin(int ms) { return m_channel.answersWithin(ms); }
    // Waits until `deadline` for the started entry point to return: true when it did, or the
    // host ended on the way (a crash); false when the time ran out.
    bool waitForEntry(QDeadlineTimer deadline);
    // Ends the host at once, whatever it runs; everything asked of it from then on fails.
    void end(const QString& why);

    // Why the host ended, and in which step: "its plug-in host ended in Typ: it crashed".
    QString why() const;

private:
    explicit PluginHost(QString library);
    // Empty when the library loaded; else why not, a clause for a message.
    QString load();
    // Sends the message of a step and waits for the answer; notes the step if the host ends.
    std::optional<QByteArray> exchange(const QByteArray& message, const QString& step);
    // Ends the host for an answer of the step that is no answer.
    void refuse(const QString& step);

    QString m_library;
    HostChannel m_channel;
    std::optional<int> m_version;
    bool m_hasFactory = false;
    // The step the host ended in, for the calls that fail after it: a release that crashes
    // ends the host of every object of the library.
    QString m_endedIn;
};

// While one lives, each plug-in host started stays running after its last object is released,
// its library loaded, as a library stayed loaded in the program before plug-ins had hosts: the
// listing asks a library what it is in the host that registered it, and the start creates the
// chosen set right after the listing. The hosts it kept end with it, or stay with the one it
// is nested in.
class HostKeepAlive {
public:
    HostKeepAlive();
    ~HostKeepAlive();
    HostKeepAlive(const HostKeepAlive&) = delete;
    HostKeepAlive& operator=(const HostKeepAlive&) = delete;

private:
    friend class PluginHost;
    std::vector<std::shared_ptr<PluginHost>> m_hosts;
    HostKeepAlive* m_outer;
};

} // namespace zavolin
