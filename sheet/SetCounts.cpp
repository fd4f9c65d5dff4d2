#include "SetCounts.h"

#include "WholeSet.h"
#include "platform/base/RuntimeError.h"
#include "platform/base/ValueNames.h"

#include <QStringList>

namespace zavolin {
namespace {

// Indexed by Denom: the coin sheet first.

qint32 countOf(const QString& text, const QString& item) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 0 || n > MaxValueCount)
        raise(ErrNo::InvalidPropertyValue,
              QStringLiteral("\"%1\" is not a count from 0 to %2").arg(item).arg(MaxValueCount));
    return n;
}

} // namespace

QString valueKey(qint16 Denom) {
    return valueName(Denom);
}

std::optional<qint16> valueFromKey(const QString& key) {
    for (qint16 Denom = 0; Denom <= 10; ++Denom)
        if (key.trimmed().compare(QLatin1String(ValueNames[size_t(Denom)]), Qt::CaseInsensitive) ==
            0)
            return Denom;
    return std::nullopt;
}

QString countsText(const ValueCounts& counts) {
    QStringList items;
    for (const qint16 Denom : allSetValues())
        if (counts.value(Denom) > 0)
            items << QStringLiteral("%1=%2").arg(valueKey(Denom)).arg(counts.value(Denom));
    return items.join(QLatin1Char(','));
}

ValueCounts parseCounts(const QString& text) {
    ValueCounts named;
    std::optional<qint32> everyOther;
    for (const QString& item : text.split(QLatin1Char(','))) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        if (equals < 0 && !everyOther) {
            everyOther = countOf(item, item.trimmed());
            continue;
        }
        const std::optional<qint16> Denom = valueFromKey(item.left(equals));
        if (equals < 0 || !Denom)
            raise(ErrNo::InvalidPropertyValue,
                  QStringLiteral("\"%1\" is not VALUE=COUNT with a value of 1, 2, 5, 10, 20, 50, "
                                 "100, 200, 500, 1000 or coins")
                      .arg(item.trimmed()));
        if (named.contains(*Denom))
            raise(ErrNo::InvalidPropertyValue,
                  QStringLiteral("the value %1 is named twice").arg(valueKey(*Denom)));
        named.insert(*Denom, countOf(item.mid(equals + 1), item.trimmed()));
    }
    ValueCounts counts;
    for (const qint16 Denom : allSetValues())
        if (named.contains(Denom) || everyOther)
            counts.insert(Denom, named.value(Denom, everyOther.value_or(0)));
    return counts;
}

ValueCounts countsForChildren(qint32 children, const ValueCounts& each) {
    ValueCounts counts;
    for (auto it = each.begin(); it != each.end(); ++it)
        counts.insert(it.key(), qint32(qMin<qint64>(qint64(children) * it.value(), MaxValueCount)));
    return counts;
}

qint32 CountedSet::sheets() const {
    qint32 total = 0;
    for (const CountedValue& value : values)
        total += value.sheets;
    return total;
}

QList<qint16> CountedSet::sheetValues() const {
    QList<qint16> sheetValues;
    for (const CountedValue& value : values)
        for (qint32 i = 0; i < value.sheets; ++i)
            sheetValues.append(value.Denom);
    return sheetValues;
}

CountedSet planCounts(const ValueCounts& counts,
                      const std::function<qint32(qint16 Denom)>& perSheet) {
    CountedSet set;
    for (const qint16 Denom : allSetValues()) {
        const qint32 wanted = counts.value(Denom);
        if (wanted <= 0)
            continue;
        CountedValue value;
        value.Denom = Denom;
        value.wanted = wanted;
        // A page always holds at least one: the page is scaled down to fit rather than empty.
        value.perSheet = qMax(perSheet(Denom), 1);
        value.sheets = (wanted + value.perSheet - 1) / value.perSheet;
        set.values.append(value);
    }
    return set;
}

CountedSet oneSheetEach(const QList<qint16>& values,
                        const std::function<qint32(qint16 Denom)>& perSheet) {
    CountedSet set;
    for (const qint16 Denom : values) {
        const qint32 held = qMax(perSheet(Denom), 1);
        set.values.append({Denom, held, held, 1});
    }
    return set;
}

} // namespace zavolin
