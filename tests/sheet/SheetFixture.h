#pragma once

#include "sheet/RecordingSurface.h"
#include "sheet/SheetContext.h"
#include "sheet/SizeNotes.h"

#include <QLineF>
#include <QRectF>
#include <gtest/gtest.h>

namespace zavolin::test {

// The printer page of the examples: printable 203.2 × 287 mm, EdgeTop 6.
class SheetFixture : public ::testing::Test {
protected:
    SheetFixture() {
        SizeNotes(sizes);
        geometry.EdgeLeft = geometry.EdgeTop = geometry.EdgeBottom = 6;
        geometry.EdgeRight = 2;
        geometry.TopFraction = 6.0f / 287.0f;
    }

    SheetContext context() const { return {sizes, geometry, offsets}; }

    SizeTable sizes;
    PageGeometry geometry;
    PrintOffsets offsets;
    RecordingSurface page{203.2, 287};
};

// Target units are single precision: a tenth of a millimetre is told apart with room to spare.
constexpr double Near = 1e-4;

inline ::testing::AssertionResult sameLine(const QLineF& actual, const QLineF& expected) {
    if (std::abs(actual.x1() - expected.x1()) < Near &&
        std::abs(actual.y1() - expected.y1()) < Near &&
        std::abs(actual.x2() - expected.x2()) < Near &&
        std::abs(actual.y2() - expected.y2()) < Near)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "line (" << actual.x1() << ", " << actual.y1() << ") - (" << actual.x2() << ", "
           << actual.y2() << "), expected (" << expected.x1() << ", " << expected.y1() << ") - ("
           << expected.x2() << ", " << expected.y2() << ")";
}

inline ::testing::AssertionResult sameRect(const QRectF& actual, const QRectF& expected) {
    if (std::abs(actual.x() - expected.x()) < Near && std::abs(actual.y() - expected.y()) < Near &&
        std::abs(actual.width() - expected.width()) < Near &&
        std::abs(actual.height() - expected.height()) < Near)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "rect " << actual.x() << ", " << actual.y() << " " << actual.width() << " x "
           << actual.height() << ", expected " << expected.x() << ", " << expected.y() << " "
           << expected.width() << " x " << expected.height();
}

} // namespace zavolin::test
