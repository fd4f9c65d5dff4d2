#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <functional>
#include <optional>

namespace zavolin {

// How many notes of each value a set is to hold (coin strips for the coin sheet), by Denom;
// a value not in it is not printed.
using ValueCounts = QMap<qint16, qint32>;

inline constexpr qint32 MaxValueCount = 9999;

// A value's name as the command line and the settings write it: "1" to "1000", "coins".
QString valueKey(qint16 Denom);
// The Denom of such a name (case ignored), none for any other text.
std::optional<qint16> valueFromKey(const QString& key);

// "1=300,2=300,coins=30" in the set's order, values counted 0 left out.
QString countsText(const ValueCounts& counts);
// A list as countsText writes it; a bare number in it counts every value not named ("10" or
// "10,coins=1"). Raises RuntimeError
// (InvalidPropertyValue) naming the first item that is not a value with a count 0 to 9999, or
// a value named twice.
ValueCounts parseCounts(const QString& text);

// Every value's count multiplied by the children, capped at MaxValueCount.
ValueCounts countsForChildren(qint32 children, const ValueCounts& each);

// One value of a counted set: as many pages as its count needs on the layout.
struct CountedValue {
    qint16 Denom = 1;
    qint32 wanted = 0;
    qint32 perSheet = 1; // notes or strips on one page of the value
    qint32 sheets = 0;   // pages of fronts, each with its back: wanted / perSheet rounded up
    qint32 got() const { return sheets * perSheet; }
};

struct CountedSet {
    QList<CountedValue> values; // in the set's order; values wanted only
    qint32 sheets() const;
    // The set's values as its documents take them: each value once for each of its sheets.
    QList<qint16> sheetValues() const;
};

// One sheet of each value, holding what it holds.
CountedSet oneSheetEach(const QList<qint16>& values,
                        const std::function<qint32(qint16 Denom)>& perSheet);

// The pages each counted value needs, measured by perSheet (notes on the page of a value).
CountedSet planCounts(const ValueCounts& counts,
                      const std::function<qint32(qint16 Denom)>& perSheet);

} // namespace zavolin
