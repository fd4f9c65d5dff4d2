#include "CoinLayout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zavolin::coinstrips {

QVector<CoinSpec> frontCoins() {
    // The whole units are the two-coloured ones.
    return {
        {"2", Unit::Whole, MetalKind::Gold, MetalKind::Silver},
        {"1", Unit::Whole, MetalKind::Silver, MetalKind::Gold},
        {"50", Unit::Hundredth, MetalKind::Gold, MetalKind::Gold},
        {"20", Unit::Hundredth, MetalKind::Gold, MetalKind::Gold},
        {"10", Unit::Hundredth, MetalKind::Gold, MetalKind::Gold},
        {"5", Unit::Hundredth, MetalKind::Copper, MetalKind::Copper},
        {"2", Unit::Hundredth, MetalKind::Copper, MetalKind::Copper},
        {"1", Unit::Hundredth, MetalKind::Copper, MetalKind::Copper},
    };
}

QVector<PlacedCoin> frontLayout() {
    const QVector<CoinSpec> coins = frontCoins();
    // Size follows worth, so a child can sort the coins by size alone. Sizes true to worth
    // would leave the small coins no room for legible rim lettering: keep only the order, each
    // coin a few pixels smaller than the next larger one, enough to see and to tell apart by hand.
    QVector<int> bySize(coins.size());
    std::iota(bySize.begin(), bySize.end(), 0);
    std::stable_sort(bySize.begin(), bySize.end(), [&](int a, int b) {
        return coins[a].worthInHundredths() > coins[b].worthInHundredths();
    });
    const double largest = StripHeightMm - 2.0 * VerticalMarginMm;
    const double shrink = (largest - SmallestDiameterMm) / double(coins.size() - 1);
    QVector<double> diameter(coins.size());
    double total = 0.0;
    for (int rank = 0; rank < bySize.size(); ++rank) {
        diameter[bySize[rank]] = largest - rank * shrink;
        total += diameter[bySize[rank]];
    }
    const double gap = (StripWidthMm - total) / double(coins.size() + 1);

    // On a pixel centre; the back mirrors the strip, and a mirrored pixel centre is one too.
    const auto onPixelCentre = [](double mm, double pxPerMm) {
        return (std::floor(mm * pxPerMm) + 0.5) / pxPerMm;
    };
    QVector<PlacedCoin> placed;
    double x = gap;
    for (int i = 0; i < coins.size(); ++i) {
        const double d = diameter[i];
        placed.append({coins[i], onPixelCentre(x + d / 2.0, PxPerMmAcross),
                       onPixelCentre(StripHeightMm / 2.0, PxPerMmDown), d});
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
