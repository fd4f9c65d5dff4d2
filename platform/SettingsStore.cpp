#include "SettingsStore.h"

#include "ProgramInfo.h"
#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace zavolin {
namespace {

const QString Section = QStringLiteral("Optionen");
// Far more than the few settings take; a larger file is not ours and is not read.
constexpr qint64 MaxSettingsFileBytes = 1024 * 1024;

// Where QSettings keeps the store: the given file, or its usual per-user place.
QString settingsFile(const QString& fileName) {
    if (!fileName.isEmpty())
        return fileName;
    const QString application = programInfo().title;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

// Why the file at `path` is not to be read: QSettings reads whatever is there, and a FIFO,
// a device or a huge file would hold the program up or fill its memory. Empty when it is a
// readable regular file or there is none.
QString fileProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.isFile())
        return QStringLiteral("it is not a regular file");
    if (info.size() > MaxSettingsFileBytes)
        return QStringLiteral("it is larger than %1 KB").arg(MaxSettingsFileBytes / 1024);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
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
    const QString problem = fileProblem(path);
    const auto refuse = [&](const QString& why) {
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("Path/File access error: the setting \"%1\" cannot be stored in %2%3.")
                  .arg(key, path, why.isEmpty() ? QString() : QStringLiteral(": ") + why));
    };
    // Writing reads the file first; what is not to be read is not written over either.
    if (!problem.isEmpty())
        refuse(problem);
    const auto settings = open(m_fileName);
    settings->beginGroup(Section);
    settings->setValue(key, value);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError)
        refuse({});
}

QString QSettingsStore::unreadable() {
    const QString path = settingsFile(m_fileName);
    QString reason = fileProblem(path);
    if (reason.isEmpty() && QFileInfo::exists(path)) {
        const auto settings = open(m_fileName);
        if (settings->status() == QSettings::FormatError)
            reason = QStringLiteral("its text is not in the form of settings");
        else if (settings->status() != QSettings::NoError)
            reason = QStringLiteral("it cannot be read");
    }
    return reason.isEmpty() ? QString() : path + QStringLiteral(": ") + reason;
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
