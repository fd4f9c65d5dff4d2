#include "PaintNotes.h"

#include "PlanPainter.h"
#include "errors/Trap.h"

namespace zavolin {

void PaintNotes(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                const PictureClip& clpPics) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PaintNotes"));
    trap.run([&] {
        PagePlan plan;
        // Where everything lies; the size entry and the target's size are read here.
        trap.at(20, [&] { plan = planNotes(innerSize(target), index, scale, sheet); });
        paintPlan(
            target, plan,
            [&](const PlannedPicture& note) { return clpPics.GraphicCell(note.which); }, &trap);
    });
}

} // namespace zavolin
