#pragma once

#include "platform/base/Replaceable.h"

#include <QString>

namespace zavolin {

// The user's answer to a reported failure.
enum ErrorChoice : qint16 { Retry = 0, Ignore = 1, Cancel = 2, End = 3 };

// Asked by the error trap about the current failure (see currentError()); answers with an
// ErrorChoice. In the program this is the error window; tests and the headless command put
// their own in its place.
class ErrorReporter : public Replaceable<ErrorReporter> {
public:
    virtual ~ErrorReporter() = default;
    virtual qint16 OnError(const QString& aktModul, const QString& aktProc) = 0;
    static ErrorReporter& real();
};

// Stops the program at once, without any shutdown step. Tests record the call instead; when
// end() returns, the trap leaves the procedure.
class ProgramEnd : public Replaceable<ProgramEnd> {
public:
    virtual ~ProgramEnd() = default;
    virtual void end() = 0;
    static ProgramEnd& real();
};

} // namespace zavolin
