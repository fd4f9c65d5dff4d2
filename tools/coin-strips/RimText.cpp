#include "RimText.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace zavolin::coinstrips {

namespace {

constexpr double ReferencePixels = 200.0; // glyph outlines are taken at this size, then scaled

// Round figures and letters overshoot the band a little by design; only more than this is
// squeezed.
constexpr double OvershootAllowance = 0.03;

// One glyph's outline at the reference size, its origin on the baseline at the left of its advance.
QPainterPath glyphOutline(const QFont& f, QChar ch, Fit fit) {
    QPainterPath glyph;
    glyph.addText(0.0, 0.0, f, QString(ch));
    if (fit == Fit::Font || glyph.isEmpty())
        return glyph;
    const double cap = QFontMetricsF(f).capHeight();
    const QRectF ink = glyph.boundingRect();
    if (ink.top() >= -cap * (1.0 + OvershootAllowance) && ink.bottom() <= cap * OvershootAllowance)
        return glyph;
    QTransform t;
    t.scale(1.0, cap / ink.height());
    t.translate(0.0, -ink.bottom());
    return t.map(glyph);
}

} // namespace

QFont typeface() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(ReferencePixels));
    f.setStyleStrategy(QFont::PreferOutline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

bool typefaceAvailable() {
    const QFontInfo info(typeface());
    if (info.family() == QStringLiteral("DejaVu Sans") && info.bold())
        return true;
    std::fprintf(stderr,
                 "zavolin-make-coin-strips: DejaVu Sans Bold is not installed (got %s); "
                 "install fonts-dejavu-core\n",
                 qPrintable(info.family()));
    return false;
}

QPainterPath centredText(const QString& text, double capHeight) {
    const QFont f = typeface();
    const QFontMetricsF fm(f);
    QPainterPath glyphs;
    glyphs.addText(0.0, 0.0, f, text);
    const QRectF ink = glyphs.boundingRect();
    const double s = capHeight / fm.capHeight();
    QTransform t;
    t.scale(s, s);
    t.translate(-ink.center().x(), fm.capHeight() / 2.0);
    return t.map(glyphs);
}

double arcSpan(const QString& text, double radius, double capHeight, double tracking) {
    const QFontMetricsF fm(typeface());
    const double s = capHeight / fm.capHeight();
    const double gap = tracking * capHeight;
    // Arc lengths along the baseline circle.
    double length = -gap;
    for (const QChar ch : text)
        length += fm.horizontalAdvance(ch) * s + gap;
    return length / radius;
}

double shortestGlyphHeight(const QString& text, double capHeight, Fit fit) {
    const QFont f = typeface();
    double shortest = -1.0;
    for (const QChar ch : text) {
        const QPainterPath glyph = glyphOutline(f, ch, fit);
        if (glyph.isEmpty())
            continue; // a space
        const double h = glyph.boundingRect().height();
        shortest = shortest < 0.0 ? h : std::min(shortest, h);
    }
    return std::max(shortest, 0.0) * capHeight / QFontMetricsF(f).capHeight();
}

QPainterPath arcText(const QString& text, double radius, double capHeight, Arc arc, double tracking,
                     Fit fit) {
    const QFont f = typeface();
    const QFontMetricsF fm(f);
    const double s = capHeight / fm.capHeight();
    const double gap = tracking * capHeight;
    const double span = arcSpan(text, radius, capHeight, tracking);

    QPainterPath path;
    double run = 0.0;
    for (const QChar ch : text) {
        const double advance = fm.horizontalAdvance(ch) * s;
        const double middle = (run + advance / 2.0) / radius - span / 2.0;
        run += advance + gap;

        const QPainterPath glyph = glyphOutline(f, ch, fit);
        // Top arc: clockwise from the left through 12 o'clock. Bottom arc: anticlockwise from
        // the left through 6 o'clock, so both read left to right.
        const double angle =
            arc == Arc::Top ? -std::numbers::pi / 2.0 + middle : std::numbers::pi / 2.0 - middle;
        const QPointF at(radius * std::cos(angle), radius * std::sin(angle));
        const double turn =
            arc == Arc::Top ? angle + std::numbers::pi / 2.0 : angle - std::numbers::pi / 2.0;
        QTransform t;
        t.translate(at.x(), at.y());
        t.rotateRadians(turn);
        if (arc == Arc::Bottom)
            t.translate(0.0, capHeight); // hang from the circle
        t.scale(s, s);
        t.translate(-fm.horizontalAdvance(ch) / 2.0, 0.0);
        path.addPath(t.map(glyph));
    }
    return path;
}

} // namespace zavolin::coinstrips
