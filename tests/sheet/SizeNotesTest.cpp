#include "sheet/SizeNotes.h"

#include "platform/base/RuntimeError.h"
#include "platform/compat/Conversions.h"
#include "support/ScriptedReporter.h"

#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

TEST(SizeNotes, FillsTheTableWithFloatProductsAndEqualSides) {
    SizeTable table;
    SizeNotes(table);
    // Formed in double, stored as float: exactly the float nearest to each product.
    EXPECT_EQ(table.at(0).Width, float(201 * 0.9));
    EXPECT_EQ(table.at(0).Height, 27.0f);
    const double widths[] = {100, 105, 110, 115, 120, 125, 130, 135, 140, 145};
    const double heights[] = {52, 54, 57, 59, 62, 64, 67, 70, 72, 75};
    for (int d = 1; d <= 10; ++d) {
        for (int side = 0; side <= 1; ++side) {
            const SheetItemSize& e = table.at(sheetIndex(d, side));
            EXPECT_EQ(e.Width, float(widths[d - 1] * 0.7)) << d;
            EXPECT_EQ(e.Height, float(heights[d - 1] * 0.7)) << d;
        }
    }
    EXPECT_EQ(table.at(1).Height, 36.4f);
    EXPECT_EQ(table.at(19).Width, 101.5f);
    EXPECT_EQ(table.at(20).Height, 52.5f);
}

TEST(SizeNotes, HeightsRoundHalfToEven) {
    SizeTable table;
    SizeNotes(table);
    const int expected[] = {27, 36, 36, 38, 38, 40, 40, 41, 41, 43, 43,
                            45, 45, 47, 47, 49, 49, 50, 50, 52, 52};
    for (int i = 0; i < SizeTable::Count; ++i)
        EXPECT_EQ(toInt32(table.at(i).Height), expected[i]) << i;
}

TEST(SizeTable, IndexOutsideTheTableIsASubscriptError) {
    SizeTable table;
    for (int index : {-1, 21}) {
        try {
            table.at(index);
            ADD_FAILURE() << index;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), ErrNo::SubscriptOutOfRange);
        }
    }
}
