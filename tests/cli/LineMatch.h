#pragma once

#include "support/ExpectedSheet.h"
#include "support/PrintedPdf.h"

#include <optional>

namespace zavolin::test {

// The lines found on a rendered page paired with the lines expected there.
struct LineMatch {
    ExpectedLine expected;
    std::optional<FoundLine> found; // the nearest line of the same direction, if any near
    double deviation() const { return found ? found->across - expected.across : 0; }
};

struct MatchedPage {
    QList<LineMatch> matches;
    // Found lines outside the items that no expected line accounts for.
    QList<FoundLine> strayHorizontal;
    QList<FoundLine> strayVertical;

    // The match of the expected line with this name and direction; nullptr when none is.
    const LineMatch* line(const QString& name, bool horizontal) const;
    const FoundLine* found(const QString& name, bool horizontal) const;
    // The largest distance across between an expected line and the line found for it.
    double worstDeviation() const;
};

// Pairs every expected line with the nearest found line of its direction within searchRadius,
// joined with the other pieces of it that pictures drawn over it left (a found line serves one
// expected line at most). Found lines within the items are the pictures' own, not strays.
MatchedPage matchLines(const ExpectedSheet& expected, const PageRaster& page,
                       double searchRadius = 1.0, double minLength = 3.0);

// How a found line's ends are held against the expected ones.
enum class Ends {
    Exact, // where the line was drawn to, or cut off at the printable area
    // Nowhere beyond them: where a picture covers a line's end (a coin strip moved over the
    // edge of the printable area hides all of a line but its far overhang), only what is left
    // shows.
    Within,
};

// Checks that every expected line was found within tolerance across and alongTolerance at its
// ends, and, when strict, that nothing else on the page looks like a cut line.
void expectLinesAsLaidOut(const MatchedPage& page, double tolerance, double alongTolerance,
                          bool strict, const QString& what, Ends ends = Ends::Exact);

} // namespace zavolin::test
