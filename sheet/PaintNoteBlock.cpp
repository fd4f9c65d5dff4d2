#include "PaintNoteBlock.h"

#include "PlanPainter.h"
#include "errors/Trap.h"

namespace zavolin {

void PaintNoteBlock(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                    const PictureClip& clpPics) {
    // Under the trap as the one column is: a failure is reported and answered alike, however many
    // columns the page has.
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PaintNoteBlock"));
    trap.run([&] {
        PagePlan plan;
        trap.at(20, [&] { plan = planNoteBlock(innerSize(target), index, scale, sheet); });
        // Every note gets the one cell the clip keeps: the PDF writer draws a picture once.
        paintPlan(
            target, plan,
            [&](const PlannedPicture& note) { return clpPics.GraphicCell(note.which); }, &trap);
    });
}

} // namespace zavolin
