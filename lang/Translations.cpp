#include "Translations.h"

#include "platform/base/LanguageCode.h"
#include "platform/base/RuntimeError.h"
#include "platform/compat/Conversions.h"
#include "platform/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QTranslator>

namespace zavolin {
namespace {

// English is the texts' own language and has no file.
QString fileFor(qint16 langBase) {
    const QString code = languageCode(langBase);
    return code == QLatin1String("en") ? QString()
                                       : QStringLiteral(":/i18n/zavolin_%1.qm").arg(code);
}

} // namespace

void useTranslations(qint16 langBase) {
    static QTranslator* current = nullptr;
    // Every window asks when it names its texts: the language in place already stays.
    static QString currentFile;
    const QString file = fileFor(langBase);
    if (file == currentFile)
        return;
    currentFile.clear();
    if (current) {
        QCoreApplication::removeTranslator(current);
        delete current;
        current = nullptr;
    }
    if (file.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    // The files are built into the program; one that does not load leaves the English texts,
    // which still say everything.
    if (!translator->load(file)) {
        qWarning("The translations %s could not be loaded; texts stay English.", qPrintable(file));
        return;
    }
    current = translator.release();
    QCoreApplication::installTranslator(current);
    currentFile = file;
}

qint16 storedLangBase() {
    try {
        const qint16 langBase = textToInt16(readSetting(Settings::Sprache));
        return isLanguage(langBase) ? langBase : qint16(0);
    } catch (const RuntimeError&) {
        return 0;
    }
}

} // namespace zavolin
