#pragma once

#include "platform/base/Replaceable.h"

#include <QString>

namespace zavolin {

// One setting the program keeps between runs: its key in the section "Optionen" and the text
// read while nothing is stored under it.
struct Setting {
    const char* key;
    const char* missing;
};

// Every persisted setting, in one place.
namespace Settings {
inline constexpr Setting Sprache{"Sprache", "0"};
inline constexpr Setting LeftMargin{"LeftMargin", "0"};
inline constexpr Setting TopMargin{"TopMargin", "0"};
// The banknotes' columns: "1" or "auto", as many as fit the paper.
inline constexpr Setting Columns{"Columns", "1"};
// Where a whole set's backs land, one for each printer: "x,y" millimetres, under the key
// followed by a dot and the printer's queue name.
inline constexpr Setting BackOffset{"BackOffset", "0.0,0.0"};
// The queue the main window's print button prints on; empty for the system's default.
inline constexpr Setting Printer{"Printer", ""};

// The whole-set dialog as it was last left. Values are named as on the command line ("1" to
// "1000", "coins"); a text that cannot be read counts as missing.
// The values chosen: a comma-separated list; "all" for every one.
inline constexpr Setting SetValues{"SetValues", "all"};
// "1" when the notes of each value are counted, "0" for one sheet of each value.
inline constexpr Setting SetCounting{"SetCounting", "0"};
// Notes (coin strips) wanted of each value: "1=300,2=300,...,coins=30"; values not named, 0.
inline constexpr Setting SetCounts{"SetCounts", ""};
// The class helper: children, and notes each child gets of each value in the form above.
inline constexpr Setting SetChildren{"SetChildren", "30"};
inline constexpr Setting SetEach{"SetEach", ""};
// How the backs reach the paper: printer, manual, none or backs.
inline constexpr Setting SetSides{"SetSides", "printer"};
// The queue, its paper ("A4", "Letter", "A5", "Legal") and the columns ("1" or "auto"); an
// empty queue is the system's default, empty paper the queue's own, empty columns the window's.
inline constexpr Setting SetPrinter{"SetPrinter", ""};
inline constexpr Setting SetPaper{"SetPaper", ""};
inline constexpr Setting SetColumns{"SetColumns", ""};
// Serials on every note ("1") or not ("0"), and their prefix, such as the class.
inline constexpr Setting SetSerials{"SetSerials", "0"};
inline constexpr Setting SetSerialPrefix{"SetSerialPrefix", ""};
} // namespace Settings

// The per-user settings store: text values by key in the section "Optionen" of the
// application named by the program's title. Tests put a fake in its place.
class SettingsStore : public Replaceable<SettingsStore> {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultText when none is stored (or the store cannot be read).
    virtual QString text(const QString& key, const QString& defaultText) = 0;
    // Stores the text at once; raises PathFileAccessError when it cannot be stored.
    virtual void setText(const QString& key, const QString& value) = 0;
    // Why the stored settings cannot be read ("<file>: <reason>"); empty when they can, or
    // when nothing is stored yet.
    virtual QString unreadable() { return {}; }
    static SettingsStore& real();
};

// The store kept by QSettings, in its usual per-user place or in the given file.
class QSettingsStore : public SettingsStore {
public:
    QSettingsStore() = default;
    explicit QSettingsStore(QString fileName)
        : m_fileName(std::move(fileName)) {}

    QString text(const QString& key, const QString& defaultText) override;
    void setText(const QString& key, const QString& value) override;
    QString unreadable() override;

private:
    QString m_fileName;
};

// The setting's stored text, or its text for "nothing stored".
QString readSetting(const Setting& setting);
// Stores the setting's text at once; raises PathFileAccessError when it cannot be stored.
void writeSetting(const Setting& setting, const QString& value);
// The same for a setting kept once for each of several things, such as printers: its key
// followed by a dot and the qualifier (the key alone for an empty qualifier).
QString readSetting(const Setting& setting, const QString& qualifier);
void writeSetting(const Setting& setting, const QString& qualifier, const QString& value);

} // namespace zavolin
