#include "CoinLayout.h"

#include <algorithm>

namespace zavolin::coinstrips {

QVector<CoinSpec> frontCoins() {
    // Relative sizes of familiar coins; the two highest are the two-coloured ones.
    return {
        {"2", 25.75, MetalKind::Gold, MetalKind::Silver},
        {"1", 23.25, MetalKind::Silver, MetalKind::Gold},
        {"50", 24.25, MetalKind::Gold, MetalKind::Gold},
        {"20", 22.25, MetalKind::Gold, MetalKind::Gold},
        {"10", 19.75, MetalKind::Gold, MetalKind::Gold},
        {"5", 21.25, MetalKind::Copper, MetalKind::Copper},
        {"2", 18.75, MetalKind::Copper, MetalKind::Copper},
        {"1", 16.25, MetalKind::Copper, MetalKind::Copper},
    };
}

QVector<PlacedCoin> frontLayout() {
    const QVector<CoinSpec> coins = frontCoins();
    double largest = 0.0;
    double total = 0.0;
    for (const CoinSpec& c : coins) {
        largest = std::max(largest, c.familiarDiameterMm);
        total += c.familiarDiameterMm;
    }
    const double reduction = (StripHeightMm - 2.0 * VerticalMarginMm) / largest;
    const double gap = (StripWidthMm - reduction * total) / double(coins.size() + 1);

    QVector<PlacedCoin> placed;
    double x = gap;
    for (const CoinSpec& c : coins) {
        const double d = reduction * c.familiarDiameterMm;
        placed.append({c, x + d / 2.0, StripHeightMm / 2.0, d});
        x += d + gap;
    }
    return placed;
}

QVector<PlacedCoin> backLayout(const QVector<PlacedCoin>& front) {
    QVector<PlacedCoin> back;
    for (auto it = front.crbegin(); it != front.crend(); ++it) {
        PlacedCoin c = *it;
        c.centreXMm = StripWidthMm - c.centreXMm;
        back.append(c);
    }
    return back;
}

} // namespace zavolin::coinstrips
