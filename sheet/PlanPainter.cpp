#include "PlanPainter.h"

#include "TextBlock.h"
#include "TextPicture.h"
#include "errors/Trap.h"

namespace zavolin {
namespace {

template <typename Statement>
void step(Trap* trap, qint32 label, Statement&& statement) {
    if (trap)
        trap->at(label, statement);
    else
        statement();
}

} // namespace

void paintPlan(DrawingSurface& target, const PagePlan& plan, const PlannedPictureSource& pictureFor,
               Trap* trap) {
    for (const PlannedLine& planned : plan.lines)
        step(trap, planned.label, [&] {
            const QLineF& l = planned.line;
            target.line(l.x1(), l.y1(), l.x2(), l.y2());
        });
    for (const PlannedPicture& planned : plan.pictures)
        step(trap, planned.label, [&] {
            const std::shared_ptr<const Picture> picture = pictureFor(planned);
            const QRectF& r = planned.rect;
            target.paintPicture(*picture, r.x(), r.y(), r.width(), r.height());
        });
    for (const PlannedText& planned : plan.texts) {
        const QRectF& r = planned.rect;
        target.paintPicture(TextBlock(planned.text, r.width() / planned.size,
                                      {planned.bold, planned.centred, planned.marker}),
                            r.x(), r.y(), r.width(), r.height());
    }
    if (plan.footnote) {
        const QRectF& r = plan.footnote->rect;
        target.paintFootnote(TextPicture(plan.footnote->text), r.x(), r.y(), r.width(), r.height());
    }
}

QSizeF innerSize(DrawingSurface& target) {
    return {target.scaleWidth(), target.scaleHeight()};
}

} // namespace zavolin
