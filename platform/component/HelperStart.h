#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace zavolin {

// Starts the helper `program` (zavolin-host) with `arguments` into `helper`,
// or hands over the one a living HelperPrestart started ahead for the same program and
// arguments. True when it started, even if it has ended since (its output can still be read);
// false, with helper->errorString() telling why, when it could not be started within `ms`.
// What the library prints is its own business; ZAVOLIN_DEBUG shows it.
bool startHelper(std::unique_ptr<QProcess>& helper, const QString& program,
                 const QStringList& arguments, int ms);

// While one lives, the plug-in host of each library of a list is running already, all started
// at once, so that their process starts and library loads overlap instead of following one
// another; startHelper takes them in whatever order the program then needs them. A library others
// could have changed (untrustedReason) is not started. Helpers not taken are ended with it. Budgets
// do not bound these starts: nothing waits for them here, and whoever takes one waits within its
// own step's deadline.
// Has the living HelperPrestart, if any, start one more helper ahead.
void startHelperAhead(const QString& program, const QStringList& arguments);

class HelperPrestart {
public:
    HelperPrestart(const QString& pluginFolder, const QStringList& libraries);
    ~HelperPrestart();
    HelperPrestart(const HelperPrestart&) = delete;
    HelperPrestart& operator=(const HelperPrestart&) = delete;

private:
    friend bool startHelper(std::unique_ptr<QProcess>&, const QString&, const QStringList&, int);
    friend void startHelperAhead(const QString&, const QStringList&);

    struct Started {
        QString program;
        QStringList arguments;
        std::unique_ptr<QProcess> helper;
    };
    void start(const QString& program, const QStringList& arguments);

    std::vector<Started> m_started;
    HelperPrestart* m_outer;
};

} // namespace zavolin
