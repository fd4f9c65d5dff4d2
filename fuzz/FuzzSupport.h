#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>

namespace zavolin::fuzz {

// Once a process: the offscreen platform and a QGuiApplication, unless an application runs.
void prepare();

// A fresh empty folder for the files of one input; the previous input's files are gone.
QString freshFolder();

// Writes the bytes into a file of the given name in `folder`; returns its path.
QString writeFile(const QString& folder, const QString& name, const QByteArray& bytes);

// The input as a QByteArray that owns a copy, so that nothing reads past the fuzzer's buffer.
QByteArray bytesOf(const uint8_t* data, size_t size);

// A broken promise of the code under test: says what and aborts, which the fuzzer and the
// test both take for a failure.
[[noreturn]] void fault(const char* what);
inline void check(bool ok, const char* what) {
    if (!ok)
        fault(what);
}

// Runs `call`; a RuntimeError of one of the numbers `allowed` is an answer, any other a fault.
void expectRuntimeErrors(std::initializer_list<qint32> allowed, const std::function<void()>& call);

} // namespace zavolin::fuzz
