#include "SetDialogChoices.h"

#include "platform/base/RuntimeError.h"
#include "platform/settings/SettingsStore.h"

#include <QStringList>

namespace zavolin {
namespace {

// A stored list of counts, or none when it cannot be read.
std::optional<ValueCounts> storedCounts(const Setting& setting) {
    const QString text = readSetting(setting);
    if (text.trimmed().isEmpty())
        return ValueCounts{};
    try {
        return parseCounts(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace

ValueCounts SetDialogChoices::defaultEach() {
    ValueCounts each;
    for (const qint16 Denom : allSetValues())
        each.insert(Denom, Denom == 0 ? 1 : 10);
    return each;
}

SetDialogChoices loadSetDialogChoices() {
    SetDialogChoices choices;
    const QString values = readSetting(Settings::SetValues).trimmed();
    if (values.compare(QLatin1String("all"), Qt::CaseInsensitive) != 0) {
        QList<qint16> read;
        for (const QString& name : values.split(QLatin1Char(','), Qt::SkipEmptyParts))
            if (const std::optional<qint16> Denom = valueFromKey(name))
                read.append(*Denom);
        choices.values.clear();
        for (const qint16 Denom : allSetValues())
            if (read.contains(Denom))
                choices.values.append(Denom);
    }
    choices.counting = readSetting(Settings::SetCounting).trimmed() == QLatin1String("1");
    choices.counts = storedCounts(Settings::SetCounts).value_or(ValueCounts{});
    bool number = false;
    const int children = readSetting(Settings::SetChildren).toInt(&number);
    if (number && children >= 1 && children <= MaxValueCount)
        choices.children = children;
    if (const std::optional<ValueCounts> each = storedCounts(Settings::SetEach);
        each && !each->isEmpty())
        choices.each = *each;
    choices.sides = setSidesNamed(readSetting(Settings::SetSides));
    choices.printer = readSetting(Settings::SetPrinter).trimmed();
    choices.paper = paperNamed(readSetting(Settings::SetPaper));
    const QString columns = readSetting(Settings::SetColumns).trimmed();
    if (!columns.isEmpty())
        choices.columns = columnLayoutFromText(columns);
    choices.serials = readSetting(Settings::SetSerials).trimmed() == QLatin1String("1");
    choices.serialPrefix = readSetting(Settings::SetSerialPrefix).trimmed();
    return choices;
}

void storeSetDialogChoices(const SetDialogChoices& choices) {
    QStringList values;
    for (const qint16 Denom : choices.values)
        values << valueKey(Denom);
    writeSetting(Settings::SetValues, choices.values == allSetValues()
                                          ? QStringLiteral("all")
                                          : values.join(QLatin1Char(',')));
    writeSetting(Settings::SetCounting,
                 choices.counting ? QStringLiteral("1") : QStringLiteral("0"));
    writeSetting(Settings::SetCounts, countsText(choices.counts));
    writeSetting(Settings::SetChildren, QString::number(choices.children));
    writeSetting(Settings::SetEach, countsText(choices.each));
    writeSetting(Settings::SetSides, choices.sides ? setSidesName(*choices.sides) : QString());
    writeSetting(Settings::SetPrinter, choices.printer);
    writeSetting(Settings::SetPaper, choices.paper ? paperName(*choices.paper) : QString());
    writeSetting(Settings::SetColumns,
                 choices.columns ? columnLayoutText(*choices.columns) : QString());
    writeSetting(Settings::SetSerials, choices.serials ? QStringLiteral("1") : QStringLiteral("0"));
    writeSetting(Settings::SetSerialPrefix, choices.serialPrefix);
}

} // namespace zavolin
