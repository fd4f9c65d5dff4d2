#include "PaintCoins.h"

#include "PlanPainter.h"
#include "errors/Trap.h"
#include "platform/base/RuntimeError.h"

namespace zavolin {

void PaintCoins(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                const Picture* strip) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PaintCoins"));
    trap.run([&] {
        PagePlan plan;
        // Where everything lies; the size entries and the target's size are read here.
        trap.at(20, [&] { plan = planCoins(innerSize(target), index, scale, sheet); });
        paintPlan(
            target, plan,
            [&](const PlannedPicture&) {
                if (!strip)
                    raise(ErrNo::InvalidPicture,
                          QStringLiteral("Invalid picture: the coin strip picture is missing."));
                // Not owned: the strip outlives the drawing.
                return std::shared_ptr<const Picture>(std::shared_ptr<const Picture>(), strip);
            },
            &trap);
    });
}

} // namespace zavolin
