#include "LineMatch.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace zavolin::test {

const LineMatch* MatchedPage::line(const QString& name, bool horizontal) const {
    for (const LineMatch& m : matches)
        if (m.expected.name == name && m.expected.horizontal == horizontal)
            return &m;
    return nullptr;
}

const FoundLine* MatchedPage::found(const QString& name, bool horizontal) const {
    const LineMatch* m = line(name, horizontal);
    return m && m->found ? &*m->found : nullptr;
}

double MatchedPage::worstDeviation() const {
    double worst = 0;
    for (const LineMatch& m : matches)
        if (m.found)
            worst = std::max(worst, std::abs(m.deviation()));
    return worst;
}

namespace {

// Pictures are drawn after the cut lines and hide the parts that run under them (between two
// notes, along a coin strip's edge), so one drawn line may be found as several pieces: the
// pieces at the same place across make up the line.
constexpr double SameLine = 0.1; // millimetres across

std::optional<FoundLine> takeLine(QList<FoundLine>& candidates, double across, double radius) {
    const FoundLine* nearest = nearestLine(candidates, across, radius);
    if (!nearest)
        return std::nullopt;
    const double at = nearest->across;
    FoundLine whole = *nearest;
    double weighted = 0, length = 0;
    for (qsizetype i = candidates.size() - 1; i >= 0; --i) {
        const FoundLine& piece = candidates[i];
        if (std::abs(piece.across - at) > SameLine)
            continue;
        whole.start = std::min(whole.start, piece.start);
        whole.end = std::max(whole.end, piece.end);
        weighted += piece.across * piece.length();
        length += piece.length();
        candidates.removeAt(i);
    }
    if (length > 0)
        whole.across = weighted / length;
    return whole;
}

// Whether the line lies within one of the items: part of a picture, not a cut line.
bool insideAnItem(const FoundLine& line, bool horizontal, const QList<QRectF>& items) {
    const QRectF extent = horizontal ? QRectF(line.start, line.across, line.length(), 0)
                                     : QRectF(line.across, line.start, 0, line.length());
    for (const QRectF& item : items) {
        const QRectF around = item.adjusted(-0.2, -0.2, 0.2, 0.2);
        if (around.contains(extent.topLeft()) && around.contains(extent.bottomRight()))
            return true;
    }
    return false;
}

} // namespace

MatchedPage matchLines(const ExpectedSheet& expected, const PageRaster& page, double searchRadius,
                       double minLength) {
    MatchedPage result;
    QList<FoundLine> horizontal = page.horizontalLines(192, minLength);
    QList<FoundLine> vertical = page.verticalLines(192, minLength);
    for (const ExpectedLine& line : expected.lines) {
        QList<FoundLine>& candidates = line.horizontal ? horizontal : vertical;
        result.matches.append({line, takeLine(candidates, line.across, searchRadius)});
    }
    for (const FoundLine& line : horizontal)
        if (!insideAnItem(line, true, expected.items))
            result.strayHorizontal.append(line);
    for (const FoundLine& line : vertical)
        if (!insideAnItem(line, false, expected.items))
            result.strayVertical.append(line);
    return result;
}

void expectLinesAsLaidOut(const MatchedPage& page, double tolerance, double alongTolerance,
                          bool strict, const QString& what, Ends ends) {
    for (const LineMatch& m : page.matches) {
        const char* direction = m.expected.horizontal ? "horizontal" : "vertical";
        if (!m.found) {
            ADD_FAILURE() << qPrintable(what) << ": no " << direction << " line \""
                          << qPrintable(m.expected.name) << "\" near " << m.expected.across;
            continue;
        }
        EXPECT_NEAR(m.found->across, m.expected.across, tolerance)
            << qPrintable(what) << ": " << direction << " line \"" << qPrintable(m.expected.name)
            << "\"";
        if (ends == Ends::Within) {
            EXPECT_GE(m.found->start, m.expected.start - alongTolerance)
                << qPrintable(what) << ": start of " << direction << " line \""
                << qPrintable(m.expected.name) << "\"";
            EXPECT_LE(m.found->end, m.expected.end + alongTolerance)
                << qPrintable(what) << ": end of " << direction << " line \""
                << qPrintable(m.expected.name) << "\"";
            continue;
        }
        EXPECT_NEAR(m.found->start, m.expected.start, alongTolerance)
            << qPrintable(what) << ": start of " << direction << " line \""
            << qPrintable(m.expected.name) << "\"";
        EXPECT_NEAR(m.found->end, m.expected.end, alongTolerance)
            << qPrintable(what) << ": end of " << direction << " line \""
            << qPrintable(m.expected.name) << "\"";
    }
    if (!strict)
        return;
    for (const FoundLine& stray : page.strayHorizontal)
        ADD_FAILURE() << qPrintable(what) << ": a horizontal line no one drew, at " << stray.across
                      << " from " << stray.start << " to " << stray.end;
    for (const FoundLine& stray : page.strayVertical)
        ADD_FAILURE() << qPrintable(what) << ": a vertical line no one drew, at " << stray.across
                      << " from " << stray.start << " to " << stray.end;
}

} // namespace zavolin::test
