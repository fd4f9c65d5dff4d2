#include "SettingsStore.h"

#include "ProgramInfo.h"
#include "RuntimeError.h"

#include <QSettings>
#include <memory>

namespace zavolin {
namespace {

const QString Section = QStringLiteral("Optionen");

// A fresh QSettings for every access, so that a value changed by another instance is seen.
std::unique_ptr<QSettings> open(const QString& fileName) {
    if (!fileName.isEmpty())
        return std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    const QString application = programInfo().title;
    return std::make_unique<QSettings>(application, application);
}

} // namespace

QString QSettingsStore::text(const QString& key, const QString& defaultText) {
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
    const auto settings = open(m_fileName);
    settings->beginGroup(Section);
    settings->setValue(key, value);
    settings->endGroup();
    settings->sync();
    if (settings->status() != QSettings::NoError)
        raise(ErrNo::PathFileAccessError,
              QStringLiteral("Path/File access error: the setting \"%1\" cannot be stored in %2.")
                  .arg(key, settings->fileName()));
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
