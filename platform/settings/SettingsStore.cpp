#include "SettingsStore.h"

#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"
#include "platform/files/RegularFile.h"
#include "platform/files/TempDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace zavolin {
namespace {

const QString Section = QStringLiteral("Optionen");
// Far more than the few settings take; a larger file is not ours and is not read.
constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;
const QString NotSettings = QStringLiteral("its text is not in the form of settings");

// Where QSettings keeps the store: the given file, or its usual per-user place.
QString settingsFile(const QString& fileName) {
    if (!fileName.isEmpty())
        return fileName;
    const QString application = programInfo().title;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

// Whether the text has the form of settings: every line blank, a comment, a "[section]" or a
// "key=value". QSettings says so only the first time it reads a file in a run (later it uses
// what it read then), so the store checks the text itself.
bool isSettingsText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[') ? !line.endsWith(']') : !line.contains('='))
            return false;
    }
    return true;
}

// Why the file at `path` is not to be read ("<path>: <why>"): QSettings reads whatever is
// there, so a FIFO, a device or a huge file would hold the program up or fill its memory, and
// it writes over a text it cannot read with the one value it was given. Empty when it holds
// settings or is not there.
QString fileProblem(const QString& path) {
    try {
        if (!isSettingsText(readRegularFile(path, MaxSettingsFileBytes)))
            return path + QStringLiteral(": ") + NotSettings;
    } catch (const RuntimeError& e) {
        return e.number() == ErrNo::FileNotFound ? QString() : e.description();
    }
    return {};
}

// A fresh QSettings for every access, so that a value changed by another instance is seen.
std::unique_ptr<QSettings> open(const QString& fileName) {
    if (!fileName.isEmpty())
        return std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    const QString application = programInfo().title;
    return std::make_unique<QSettings>(application, application);
}

} // namespace

QString QSettingsStore::text(const QString& key, const QString& defaultText) {
    if (!fileProblem(settingsFile(m_fileName)).isEmpty())
        return defaultText;
    const auto settings = open(m_fileName);
    settings->beginGroup(Section);
    const QVariant value = settings->value(key);
    if (!value.isValid())
        return defaultText;
    // The INI form reads an unquoted text with commas as a list; it was one text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QSettingsStore::setText(const QString& key, const QString& value) {
    const QString path = settingsFile(m_fileName);
    const auto refuseText = [&](const QString& why) {
        return QStringLiteral("Path/File access error: the setting \"%1\" cannot be stored (%2).")
            .arg(key, why);
    };
    const auto refuse = [&](const QString& why) {
        raise(ErrNo::PathFileAccessError, refuseText(why));
    };
    // The lock QSettings itself takes, so that another instance's change is not lost.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.lock();
    // Writing reads the file first; what is not to be read is not written over either.
    QByteArray stored;
    try {
        stored = readRegularFile(path, MaxSettingsFileBytes);
    } catch (const RuntimeError& e) {
        if (e.number() != ErrNo::FileNotFound)
            refuse(e.description());
    }
    if (!isSettingsText(stored))
        refuse(path + QStringLiteral(": ") + NotSettings);
    // QSettings, which knows the file's form, changes a private copy; the program's one writer
    // puts it in place, so that a failure says why (a full disk, a read-only folder).
    const QString copy = rephrased(ErrNo::PathFileAccessError, refuseText, [&] {
        return createUniqueFile(privateTempDirectory(), QStringLiteral("settings-"),
                                QStringLiteral(".conf"), PrivateFilePermissions);
    });
    const auto removeCopy = qScopeGuard([&copy] { QFile::remove(copy); });
    rephrased(ErrNo::PathFileAccessError, refuseText, [&] { replaceFile(copy, stored); });
    {
        QSettings settings(copy, QSettings::IniFormat);
        settings.beginGroup(Section);
        settings.setValue(key, value);
        settings.endGroup();
        settings.sync();
        if (settings.status() != QSettings::NoError)
            refuse(copy + QStringLiteral(": it cannot be written"));
    }
    const QByteArray changed = readRegularFile(copy, MaxSettingsFileBytes);
    rephrased(
        ErrNo::PathFileAccessError,
        [&](const QString& why) { return refuseText(path + QStringLiteral(": ") + why); },
        [&] { replaceFile(path, changed); });
}

QString QSettingsStore::unreadable() {
    return fileProblem(settingsFile(m_fileName));
}

SettingsStore& SettingsStore::real() {
    static QSettingsStore store;
    return store;
}

QString readSetting(const Setting& setting) {
    return SettingsStore::current().text(QString::fromLatin1(setting.key),
                                         QString::fromLatin1(setting.missing));
}

void writeSetting(const Setting& setting, const QString& value) {
    SettingsStore::current().setText(QString::fromLatin1(setting.key), value);
}

namespace {

QString qualifiedKey(const Setting& setting, const QString& qualifier) {
    const QString key = QString::fromLatin1(setting.key);
    return qualifier.isEmpty() ? key : key + QLatin1Char('.') + qualifier;
}

} // namespace

QString readSetting(const Setting& setting, const QString& qualifier) {
    return SettingsStore::current().text(qualifiedKey(setting, qualifier),
                                         QString::fromLatin1(setting.missing));
}

void writeSetting(const Setting& setting, const QString& qualifier, const QString& value) {
    SettingsStore::current().setText(qualifiedKey(setting, qualifier), value);
}

} // namespace zavolin
