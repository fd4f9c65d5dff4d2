#include "FuzzSupport.h"

#include "platform/base/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zavolin::fuzz {
namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zavolin-fuzz-XXXXXX"));
    return dir;
}

} // namespace

void prepare() {
    if (QCoreApplication::instance())
        return;
    // Qt's readers complain about every odd input; writing that out costs most of a run's
    // time and tells nothing. A fatal message still ends the run.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            std::abort();
        }
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps argc and argv for the application's life.
    static int argc = 1;
    static char name[] = "zavolin-fuzz";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends, as the program's own application does.
    static auto* app = new QGuiApplication(argc, argv);
    (void)app;
}

QString freshFolder() {
    check(scratch().isValid(), "no temporary folder");
    QDir dir(scratch().filePath(QStringLiteral("input")));
    if (dir.exists())
        dir.removeRecursively();
    check(QDir().mkpath(dir.path()), "the input folder cannot be made");
    return dir.path();
}

QString writeFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file cannot be made");
    check(file.write(bytes) == bytes.size(), "the input file cannot be written");
    return path;
}

QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

void fault(const char* what) {
    std::fprintf(stderr, "zavolin fuzz: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

void expectRuntimeErrors(std::initializer_list<qint32> allowed, const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        for (const qint32 n : allowed)
            if (e.number() == n)
                return;
        std::fprintf(stderr, "zavolin fuzz: unexpected error %d: %s\n", int(e.number()), e.what());
        fault("a run-time error of an unexpected number");
    }
}

} // namespace zavolin::fuzz
