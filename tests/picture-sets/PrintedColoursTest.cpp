// Every shipped set printed whole through CUPS and measured on paper: in a coloured set no two
// values look alike in their dominant colour, whichever sides are compared; the line-art set is
// grey line work with paper left to colour in; and no note's ink strays outside its rectangle.
#include "cli/SheetProcess.h"
#include "support/ExpectedSheet.h"
#include "support/PrintedPdf.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <iomanip>
#include <iostream>
#include <numbers>
#include <optional>
#include <sstream>
#include <vector>

namespace zavolin::test {
namespace {

struct Lab {
    double L = 0, a = 0, b = 0;
};

// sRGB (D65 white) to CIELAB.
Lab toLab(double r, double g, double b) {
    const auto linear = [](double c) {
        c /= 255;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double R = linear(r), G = linear(g), B = linear(b);
    const double x = (0.4124564 * R + 0.3575761 * G + 0.1804375 * B) / 0.95047;
    const double y = 0.2126729 * R + 0.7151522 * G + 0.0721750 * B;
    const double z = (0.0193339 * R + 0.1191920 * G + 0.9503041 * B) / 1.08883;
    const auto f = [](double t) {
        constexpr double e = 6.0 / 29;
        return t > e * e * e ? std::cbrt(t) : t / (3 * e * e) + 4.0 / 29;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

// CIEDE2000 colour difference (Sharma, Wu and Dalal, 2005), kL = kC = kH = 1.
double ciede2000(const Lab& one, const Lab& two) {
    constexpr double Degree = std::numbers::pi / 180;
    const auto pow7 = [](double v) { return std::pow(v, 7); };
    const double cBar = (std::hypot(one.a, one.b) + std::hypot(two.a, two.b)) / 2;
    const double g = 0.5 * (1 - std::sqrt(pow7(cBar) / (pow7(cBar) + pow7(25))));
    const double a1 = (1 + g) * one.a, a2 = (1 + g) * two.a;
    const double c1 = std::hypot(a1, one.b), c2 = std::hypot(a2, two.b);
    const auto hue = [&](double b, double a) {
        if (a == 0 && b == 0)
            return 0.0;
        const double h = std::atan2(b, a) / Degree;
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hue(one.b, a1), h2 = hue(two.b, a2);
    const bool achromatic = c1 * c2 == 0;
    double dh = achromatic ? 0 : h2 - h1;
    if (dh > 180)
        dh -= 360;
    else if (dh < -180)
        dh += 360;
    const double dL = two.L - one.L, dC = c2 - c1;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(dh / 2 * Degree);
    const double lBar = (one.L + two.L) / 2, cBar2 = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (!achromatic)
        hBar = std::abs(h1 - h2) <= 180 ? hBar / 2 : (hBar + (hBar < 360 ? 360 : -360)) / 2;
    const double t = 1 - 0.17 * std::cos((hBar - 30) * Degree) +
                     0.24 * std::cos(2 * hBar * Degree) + 0.32 * std::cos((3 * hBar + 6) * Degree) -
                     0.20 * std::cos((4 * hBar - 63) * Degree);
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double rC = 2 * std::sqrt(pow7(cBar2) / (pow7(cBar2) + pow7(25)));
    const double l50 = (lBar - 50) * (lBar - 50);
    const double sL = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sC = 1 + 0.045 * cBar2, sH = 1 + 0.015 * cBar2 * t;
    const double rT = -std::sin(2 * dTheta * Degree) * rC;
    const double l = dL / sL, c = dC / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

enum class Look {
    Coloured, // every value's notes in a colour of their own
    LineArt,  // black lines on white, to be coloured in
};

// Values of one coloured set must differ at least this much in their dominant colour.
constexpr double LeastDistance = 20;
// Line art: ink this far from grey at most, and this share of a note at most darker than
// mid grey.
constexpr double MostTint = 6;
constexpr double MostDarkShare = 0.15;

constexpr int Dpi = 50;
constexpr double EdgeLeftOut = 2; // millimetres of a note near its cut lines
constexpr double Spill = 1;       // millimetres around a note that its edge may blur into

const char* const Values[] = {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};

struct Note {
    int denom = 1;
    int side = 0;
    std::string name() const {
        return std::string(Values[denom - 1]) + (side ? " back" : " front");
    }
};

QRect pixelsOf(const QRectF& millimetres) {
    const double scale = Dpi / 25.4;
    return QRectF(millimetres.topLeft() * scale, millimetres.bottomRight() * scale).toRect();
}

bool isInk(QRgb p) {
    return std::min({qRed(p), qGreen(p), qBlue(p)}) < 235;
}

// What the page itself prints besides the notes: paper, the light grey cut lines and the grey
// footnote (128), so nothing coloured and nothing darker than mid grey.
bool isPageMark(QRgb p) {
    const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
    const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
    return high - low <= 12 && low >= 128;
}

// The most frequent colour of the areas: the mean of the fullest bin of 8 levels a channel.
Lab dominantColour(const QImage& page, const QList<QRect>& areas) {
    struct Bin {
        int count = 0;
        double r = 0, g = 0, b = 0;
    };
    std::vector<Bin> bins(512);
    for (const QRect& area : areas) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb p = page.pixel(x, y);
                Bin& bin = bins[(qRed(p) >> 5) * 64 + (qGreen(p) >> 5) * 8 + (qBlue(p) >> 5)];
                ++bin.count;
                bin.r += qRed(p);
                bin.g += qGreen(p);
                bin.b += qBlue(p);
            }
        }
    }
    const Bin& top = *std::max_element(
        bins.begin(), bins.end(), [](const Bin& x, const Bin& y) { return x.count < y.count; });
    return toLab(top.r / top.count, top.g / top.count, top.b / top.count);
}

// The ink of a note: the share of its pixels inked and darker than mid grey (L* 50), and how
// far its most tinted inked pixel is from grey.
struct NoteInk {
    double inkShare = 0;
    double darkShare = 0;
    double tint = 0;
};

NoteInk noteInk(const QImage& page, const QRect& area) {
    NoteInk found;
    int inked = 0, dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (!isInk(p))
                continue;
            ++inked;
            const Lab lab = toLab(qRed(p), qGreen(p), qBlue(p));
            found.tint = std::max({found.tint, std::abs(lab.a), std::abs(lab.b)});
            dark += lab.L < 50;
        }
    }
    const double pixels = area.width() * area.height();
    found.inkShare = inked / pixels;
    found.darkShare = dark / pixels;
    return found;
}

// Where the printed page strays outside its notes: the first pixel that is no mark of the page's
// own, in millimetres, or nothing.
std::optional<QPointF> strayInk(const QImage& page, const QList<QRectF>& notes) {
    QList<QRect> allowed;
    for (const QRectF& note : notes)
        allowed.append(pixelsOf(note.adjusted(-Spill, -Spill, Spill, Spill)));
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (isPageMark(page.pixel(x, y)))
                continue;
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const QRect& r) { return r.contains(x, y); }))
                return QPointF(x, y) * 25.4 / Dpi;
        }
    }
    return std::nullopt;
}

// The published pairs the formula must reproduce to four decimals.
void expectCiede2000ReferencePairs() {
    const struct {
        Lab one, two;
        double difference;
    } pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, -0.001, 2.49}, {50, 0.0011, -2.49}, 4.7461},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
    };
    for (const auto& p : pairs) {
        EXPECT_NEAR(ciede2000(p.one, p.two), p.difference, 5e-5)
            << "CIEDE2000 of (" << p.one.L << ", " << p.one.a << ", " << p.one.b << ") and ("
            << p.two.L << ", " << p.two.a << ", " << p.two.b << ")";
        EXPECT_NEAR(ciede2000(p.two, p.one), p.difference, 5e-5) << "the same pair reversed";
    }
}

} // namespace

TEST(PrintedColours, EverySetsValuesStandApartAndItsInkStaysInsideTheNotes) {
    expectCiede2000ReferencePairs();
    ZAVOLIN_SKIP_WITHOUT_CUPS();
    const struct {
        const char* set;
        Look look;
    } sets[] = {
        {"Klassisch / Classic", Look::Coloured},
        {"Kinder / Kids", Look::Coloured},
        {"Ausmalen / Colouring", Look::LineArt},
    };
    const PaperGeometry paper = pdfQueuePaper();
    for (const auto& s : sets) {
        // One job of every banknote, each value's front then its back turned over; the
        // two-sided queue is the PDF queue's paper with duplex offered, as --whole-set needs.
        const PrintedSheet printed = printSheet(
            {"--whole-set", "--values", "1,2,5,10,20,50,100,200,500,1000", "--picture-set", s.set},
            QString::fromLatin1(cups::DuplexQueue));
        if (printed.pdf.isEmpty()) {
            ADD_FAILURE() << s.set << ": no whole set printed: " << qPrintable(printed.problem);
            continue;
        }
        ASSERT_EQ(pdfPageCount(printed.pdf), 20) << s.set;

        std::vector<std::pair<Note, Lab>> colours;
        NoteInk lineArt{};
        for (int number = 1; number <= 20; ++number) {
            const Note note{(number + 1) / 2, (number + 1) % 2};
            const std::string what = std::string(s.set) + " " + note.name();
            const QImage image = renderInColour(printed.pdf, number, Dpi);
            ASSERT_FALSE(image.isNull()) << what;
            QList<QRectF> notes = expectedOnPaper({note.denom, note.side}, paper).items;
            ASSERT_FALSE(notes.isEmpty()) << what;
            // A back lies behind its front: mirrored about the paper's centre.
            if (note.side == 1) {
                for (QRectF& r : notes)
                    r.moveLeft(paper.paper.width() - r.right());
            }

            QList<QRect> inner;
            NoteInk worst{};
            for (const QRectF& r : notes) {
                inner.append(
                    pixelsOf(r.adjusted(EdgeLeftOut, EdgeLeftOut, -EdgeLeftOut, -EdgeLeftOut)));
                const NoteInk ink = noteInk(image, inner.back());
                EXPECT_GT(ink.inkShare, 0) << what << ": no ink in the note "
                                           << std::lround(r.top()) << " mm from the top";
                worst.tint = std::max(worst.tint, ink.tint);
                worst.darkShare = std::max(worst.darkShare, ink.darkShare);
            }
            if (s.look == Look::LineArt) {
                EXPECT_LE(worst.tint, MostTint) << what << ": the line art is in colour";
                EXPECT_LE(worst.darkShare, MostDarkShare)
                    << what
                    << ": so much of a note darker than mid grey leaves little to colour in";
                lineArt.tint = std::max(lineArt.tint, worst.tint);
                lineArt.darkShare = std::max(lineArt.darkShare, worst.darkShare);
            }
            if (const auto stray = strayInk(image, notes)) {
                const QRgb p = image.pixel((*stray * Dpi / 25.4).toPoint());
                ADD_FAILURE() << what << ": " << qPrintable(QColor(p).name())
                              << " outside the notes, " << std::lround(stray->x())
                              << " mm from the left, " << std::lround(stray->y())
                              << " mm from the top";
            }
            colours.emplace_back(note, dominantColour(image, inner));
        }
        if (s.look == Look::LineArt) {
            std::cout << "[ measure  ] " << s.set << ": line art, inked pixels at most "
                      << std::fixed << std::setprecision(1) << lineArt.tint
                      << " from grey (|a*|, |b*|), at most " << 100 * lineArt.darkShare
                      << " % of a note darker than mid grey\n";
            continue;
        }

        // Every two values, front or back against front or back.
        struct Pair {
            Note one, two;
            Lab lab1, lab2;
            double distance;
        };
        std::vector<Pair> pairs;
        for (const auto& [one, lab1] : colours)
            for (const auto& [two, lab2] : colours)
                if (one.denom < two.denom)
                    pairs.push_back({one, two, lab1, lab2, ciede2000(lab1, lab2)});
        std::sort(pairs.begin(), pairs.end(),
                  [](const Pair& x, const Pair& y) { return x.distance < y.distance; });
        const auto name = [](const Pair& p) {
            std::ostringstream out;
            out << std::fixed << std::setprecision(1) << p.one.name() << " (" << p.lab1.L << ", "
                << p.lab1.a << ", " << p.lab1.b << ") and " << p.two.name() << " (" << p.lab2.L
                << ", " << p.lab2.a << ", " << p.lab2.b << "): " << p.distance;
            return out.str();
        };
        std::cout << "[ measure  ] " << s.set << ": closest values " << name(pairs.front()) << "\n";
        std::ostringstream close;
        int tooClose = 0;
        for (const Pair& p : pairs) {
            if (p.distance >= LeastDistance)
                break;
            if (++tooClose <= 10)
                close << "\n  " << name(p);
        }
        if (tooClose > 10)
            close << "\n  and " << tooClose - 10 << " more";
        EXPECT_EQ(tooClose, 0) << s.set << ": " << tooClose
                               << " pairs of values closer in dominant colour than CIEDE2000 "
                               << LeastDistance << ", closest first, with L*a*b*:" << close.str();
    }
}

} // namespace zavolin::test
