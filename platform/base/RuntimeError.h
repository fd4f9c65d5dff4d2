#pragma once

#include <QString>
#include <exception>
#include <string>

namespace zavolin {

// The classic run-time error numbers, used wherever a failure is of one of these kinds.
namespace ErrNo {
constexpr qint32 InvalidProcedureCall = 5;
constexpr qint32 Overflow = 6;
constexpr qint32 SubscriptOutOfRange = 9;
constexpr qint32 DivisionByZero = 11;
constexpr qint32 TypeMismatch = 13;
constexpr qint32 InternalError = 51;
constexpr qint32 BadFileNameOrNumber = 52;
constexpr qint32 FileNotFound = 53;
constexpr qint32 PathFileAccessError = 75;
constexpr qint32 PathNotFound = 76;
constexpr qint32 InvalidPropertyValue = 380;
constexpr qint32 InvalidPicture = 481;
constexpr qint32 CantCreateObject = 429;
constexpr qint32 MemberNotSupported = 438;
constexpr qint32 PrinterError = 482;
} // namespace ErrNo

// A run-time failure: a 32-bit number and a description, caught by the error trap.
class RuntimeError : public std::exception {
public:
    RuntimeError(qint32 number, QString description);

    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    qint32 m_number;
    QString m_description;
    std::string m_what;
};

[[noreturn]] void raise(qint32 number, const QString& description);

// Runs step and returns what it returns. A RuntimeError from it is raised again as `number`,
// its description put in words by `say`: a low-level reason ("No space left on device")
// reaches the user as part of the action that failed.
template <typename Say, typename Step>
decltype(auto) rephrased(qint32 number, Say&& say, Step&& step) {
    try {
        return step();
    } catch (const RuntimeError& e) {
        raise(number, say(e.description()));
    }
}

} // namespace zavolin
