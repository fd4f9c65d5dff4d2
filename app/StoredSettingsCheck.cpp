#include "StoredSettingsCheck.h"

#include "platform/base/LanguageCode.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/print/CupsQueue.h"
#include "platform/settings/SettingsStore.h"
#include "sheet/SheetContext.h"

#include <QCoreApplication>

namespace zavolin {
qint16 StoredSettingsCheck::language(qint16 stored) {
    if (isLanguage(stored))
        return stored;
    m_found.append({Kind::Language, QString::fromLatin1(Settings::Sprache.key),
                    readSetting(Settings::Sprache)});
    return 0;
}

qint16 StoredSettingsCheck::offset(const Setting& setting, qint16 stored) {
    if (stored >= -MaxPrintOffset && stored <= MaxPrintOffset)
        return stored;
    m_found.append({Kind::Offset, QString::fromLatin1(setting.key), readSetting(setting)});
    return 0;
}

QString StoredSettingsCheck::printer(const QString& stored) {
    if (stored.isEmpty() || cupsQueueNames().contains(stored))
        return stored;
    m_found.append({Kind::Printer, QString::fromLatin1(Settings::Printer.key), stored});
    return {};
}

void StoredSettingsCheck::report(QWidget* parent) const {
    if (m_found.isEmpty())
        return;
    QString text =
        QCoreApplication::translate("StoredSettings", "Stored settings that cannot be used:");
    for (const Found& found : m_found) {
        QString line;
        switch (found.kind) {
        case Kind::Language:
            line =
                QCoreApplication::translate(
                    "StoredSettings", "\"%1\" is \"%2\", which names no language; German is used.")
                    .arg(found.key, found.value);
            break;
        case Kind::Offset:
            line = QCoreApplication::translate("StoredSettings",
                                               "\"%1\" is \"%2\", outside %3 … %4 mm; 0 is used.")
                       .arg(found.key, found.value)
                       .arg(-MaxPrintOffset)
                       .arg(MaxPrintOffset);
            break;
        case Kind::Printer:
            line = QCoreApplication::translate(
                       "StoredSettings",
                       "\"%1\" is \"%2\", a printer that is not there now; the system "
                       "default prints. Choose a printer in the print adjustment to change that.")
                       .arg(found.key, found.value);
            break;
        }
        text += QStringLiteral("\n• ") + line;
    }
    MessageBoxes::current().inform(parent, text);
}

void reportUnreadableSettings(QWidget* parent) {
    const QString problem = SettingsStore::current().unreadable();
    if (problem.isEmpty())
        return;
    MessageBoxes::current().inform(
        parent, QCoreApplication::translate(
                    "StoredSettings",
                    "The stored settings cannot be read (%1). Zavolin starts with its defaults, "
                    "and what is changed now may not be kept.")
                    .arg(problem));
}

} // namespace zavolin
