#include "PaintNoteBlock.h"

#include "PlanPainter.h"

namespace zavolin {

void PaintNoteBlock(DrawingSurface& target, qint16 index, float scale, const SheetContext& sheet,
                    const PictureClip& clpPics) {
    // Every note gets the one cell the clip keeps: the PDF writer draws a picture once.
    paintPlan(target, planNoteBlock(innerSize(target), index, scale, sheet),
              [&](const PlannedPicture& note) { return clpPics.GraphicCell(note.which); });
}

} // namespace zavolin
