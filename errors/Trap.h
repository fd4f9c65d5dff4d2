#pragma once

#include "ErrorReporter.h"
#include "platform/base/RuntimeError.h"

#include <QList>
#include <QString>
#include <exception>
#include <utility>

namespace zavolin {

// The error trap of one guarded procedure. The body runs inside run(); each labelled
// statement inside at(). A failure is reported with the module, procedure and label, and the
// answer decides: retry runs the statement again, ignore goes on after it, cancel (or any
// other answer) leaves the procedure, end stops the program. A failure that was ignored once
// in this call of the procedure is ignored again without asking when it comes back at the same
// label with the same error: a loop over every note of a page would otherwise ask once per note
// about one cause.
//
//   Trap trap("frmZavolin", "SizeNotes");
//   trap.run([&] {
//       trap.at(20, [&] { ... });
//       if (trap.test(30, [&] { return ...; })) { ... }
//   });
class Trap {
public:
    Trap(QString module, QString procedure);

    // Runs the procedure's body; returns when it ends or when the procedure is left.
    template <typename Body>
    void run(Body&& body) {
        try {
            std::forward<Body>(body)();
        } catch (const Leave& leave) {
            if (leave.trap != this)
                throw;
            m_left = true;
        }
    }

    // One labelled statement.
    template <typename Statement>
    void at(qint32 label, Statement&& statement) {
        for (;;) {
            try {
                statement();
                return;
            } catch (const RuntimeError& error) {
                if (handle(label, error) == Ignore)
                    return;
            } catch (const std::exception& error) {
                if (handle(label, internalError(error)) == Ignore)
                    return;
            }
        }
    }

    // A labelled condition. Ignoring a failed test enters the guarded branch.
    template <typename Condition>
    bool test(qint32 label, Condition&& condition) {
        bool result = true;
        at(label, [&] { result = condition(); });
        return result;
    }

    // A statement run with failures ignored and not reported; it needs no trap.
    template <typename Statement>
    static void quietly(Statement&& statement) {
        try {
            statement();
        } catch (const RuntimeError&) {
        } catch (const std::exception&) {
        }
    }

    // Whether the procedure was left through cancel or end.
    bool left() const { return m_left; }

    const QString& module() const { return m_module; }
    const QString& procedure() const { return m_procedure; }

private:
    struct Leave {
        const Trap* trap;
    };

    // Reports the failure and returns Retry or Ignore; throws Leave for any other answer.
    ErrorChoice handle(qint32 label, const RuntimeError& error);
    static RuntimeError internalError(const std::exception& error);

    struct Ignored {
        qint32 label;
        qint32 number;
        QString description;
        bool operator==(const Ignored&) const = default;
    };

    QString m_module;
    QString m_procedure;
    bool m_left = false;
    QList<Ignored> m_ignored;
};

} // namespace zavolin
