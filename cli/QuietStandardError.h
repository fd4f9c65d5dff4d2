#pragma once

namespace zavolin {

// Sends what is written to the process's standard error to nowhere while it lives. Image
// libraries write their own complaints straight to it (libpng's default error handler does),
// beside the one line in which the command says what went wrong.
class QuietStandardError {
public:
    QuietStandardError();
    ~QuietStandardError();
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int m_saved = -1; // the standard error to put back
};

} // namespace zavolin
