// Counts of notes by value as the command line and the settings write them, and the pages
// they need: the fewest that hold each count.
#include "sheet/SetCounts.h"

#include "platform/base/RuntimeError.h"

#include <gtest/gtest.h>

namespace zavolin {

TEST(SetCounts, ListsReadBackAndBadOnesAreRefused) {
    struct Case {
        const char* text;
        const char* written; // countsText of what is read; nullptr when refused
    };
    const Case cases[] = {
        {"1=300,2=300,coins=30", "1=300,2=300,coins=30"},
        {" coins = 3 , 1000=2", "1000=2,coins=3"}, // written in the set's order
        {"10,coins=1", "1=10,2=10,5=10,10=10,20=10,50=10,100=10,200=10,500=10,1000=10,coins=1"},
        {"0", ""},
        {"1=9999", "1=9999"},
        {"1=10000", nullptr},
        {"1=-1", nullptr},
        {"3=5", nullptr},
        {"1=5,1=6", nullptr},
        {"10,20", nullptr}, // one bare number only
        {"1=x", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            const ValueCounts counts = parseCounts(QString::fromUtf8(c.text));
            ASSERT_NE(c.written, nullptr);
            EXPECT_EQ(countsText(counts), QString::fromUtf8(c.written));
        } catch (const RuntimeError& e) {
            EXPECT_EQ(c.written, nullptr) << qPrintable(e.description());
        }
    }
}

TEST(SetCounts, EachValueGetsTheFewestPagesThatHoldItsCount) {
    // 30 children with 10 notes of "1" and 400 of "1000" each: the latter capped at 9999.
    const ValueCounts counts = countsForChildren(30, parseCounts(QStringLiteral("1=10,1000=400")));
    EXPECT_EQ(countsText(counts), QStringLiteral("1=300,1000=9999"));
    const CountedSet set = planCounts(counts, [](qint16 Denom) { return Denom == 1 ? 14 : 0; });
    ASSERT_EQ(set.values.size(), 2);
    EXPECT_EQ(set.values[0].sheets, 22); // 21 pages hold 294
    EXPECT_EQ(set.values[0].got(), 308);
    EXPECT_EQ(set.values[1].perSheet, 1); // a page that holds none still holds one
    EXPECT_EQ(set.sheets(), 22 + 9999);
    EXPECT_EQ(set.sheetValues().count(qint16(1)), 22);
}

} // namespace zavolin
