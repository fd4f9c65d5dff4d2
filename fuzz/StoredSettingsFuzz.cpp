// The stored settings as the start-up reads them: the input is the settings file, and every
// setting is read and checked as the window and the command do, so that whatever is stored
// gives a value the program may use or a reported error, never a value out of its range.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "app/StoredSettingsCheck.h"
#include "lang/Translations.h"
#include "platform/base/LanguageCode.h"
#include "platform/base/RuntimeError.h"
#include "platform/compat/Conversions.h"
#include "platform/settings/SettingsStore.h"
#include "sheet/BackOffsetText.h"
#include "sheet/ColumnLayout.h"
#include "sheet/SheetContext.h"

#include <cmath>

namespace zavolin::fuzz {
namespace {

// The stored number as line 90, 240 or 250 reads it; 0 where the error window would be
// answered with Ignore.
qint16 storedNumber(const Setting& setting) {
    qint16 value = 0;
    expectRuntimeErrors({ErrNo::TypeMismatch, ErrNo::Overflow},
                        [&] { value = textToInt16(readSetting(setting)); });
    return value;
}

} // namespace

int fuzzOneStoredSettings(const uint8_t* data, size_t size) {
    prepare();
    const QString file =
        writeFile(freshFolder(), QStringLiteral("Zavolin.conf"), bytesOf(data, size));
    QSettingsStore store(file);
    ScopedReplacement<SettingsStore> stored(store);
    (void)store.unreadable();

    StoredSettingsCheck checked;
    check(isLanguage(checked.language(storedNumber(Settings::Sprache))),
          "a stored language that names none is used");
    check(isLanguage(storedLangBase()), "the command uses a language that names none");
    for (const Setting& setting : {Settings::LeftMargin, Settings::TopMargin}) {
        const qint16 offset = checked.offset(setting, storedNumber(setting));
        check(std::abs(offset) <= MaxPrintOffset, "a stored offset beyond the range is used");
    }
    const ColumnLayout columns = columnLayoutFromText(readSetting(Settings::Columns));
    check(columns == ColumnLayout::One || columns == ColumnLayout::AsManyAsFit,
          "a column layout that is none");
    // The back offset of a queue, and of the keys the file holds under any queue's name.
    for (const QString& queue : {QString(), QStringLiteral("zavolin-pdf")}) {
        const QString text = readSetting(Settings::BackOffset, queue);
        if (const auto offset = parseBackOffset(text)) {
            check(std::abs(offset->x) <= BackOffset::Limit &&
                      std::abs(offset->y) <= BackOffset::Limit,
                  "a back offset beyond its limit");
            check(parseBackOffset(backOffsetText(*offset)) == offset,
                  "a back offset does not read back");
        }
    }
    return 0;
}

} // namespace zavolin::fuzz
