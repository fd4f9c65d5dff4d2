#include "Metal.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>

namespace zavolin::coinstrips {

MetalTone toneOf(MetalKind kind) {
    // Every shade stays clearly off white, so a coin always stands out from the blank paper.
    switch (kind) {
    case MetalKind::Gold:
        return {QColor(250, 226, 140), QColor(222, 180, 72), QColor(150, 108, 30),
                QColor(96, 66, 16)};
    case MetalKind::Silver:
        // Well lighter than gold, so a two-metal coin printed in grey still shows two metals.
        return {QColor(228, 232, 237), QColor(214, 219, 226), QColor(156, 163, 174),
                QColor(70, 76, 88)};
    case MetalKind::Copper:
        return {QColor(246, 186, 140), QColor(200, 118, 70), QColor(130, 62, 30),
                QColor(84, 38, 18)};
    }
    return {};
}

QBrush polishedBrush(const MetalTone& tone, QPointF centre, double radius) {
    const QPointF focus = centre + QPointF(-0.35 * radius, -0.45 * radius);
    QRadialGradient g(focus, 1.7 * radius, focus);
    g.setColorAt(0.0, tone.light);
    g.setColorAt(0.45, tone.base);
    g.setColorAt(1.0, tone.dark);
    return QBrush(g);
}

QBrush sheenBrush(const MetalTone& tone, QPointF centre) {
    QConicalGradient g(centre, 45.0);
    QColor bright = tone.light;
    QColor dim = tone.dark;
    bright.setAlpha(90);
    dim.setAlpha(60);
    const int bands = 8;
    for (int i = 0; i <= bands; ++i)
        g.setColorAt(double(i) / bands, i % 2 == 0 ? bright : dim);
    return QBrush(g);
}

QBrush bevelBrush(const MetalTone& tone, QPointF centre, double radius, bool raised) {
    const QPointF corner(0.7 * radius, 0.7 * radius);
    QLinearGradient g(centre - corner, centre + corner);
    g.setColorAt(0.0, raised ? tone.light : tone.deep);
    g.setColorAt(0.5, tone.base);
    g.setColorAt(1.0, raised ? tone.deep : tone.light);
    return QBrush(g);
}

} // namespace zavolin::coinstrips
