#include "PagePlan.h"

#include "Footnote.h"
#include "SerialPlate.h"
#include "platform/base/RuntimeError.h"

namespace zavolin {
namespace {

double mirrored(double x, double centreLine, BackOffset offset) {
    return 2 * centreLine - x + offset.x;
}

PagePlan planSheet(const PageRequest& page, const PlanInputs& inputs) {
    if (!page.isBanknote()) {
        PagePlan plan = planCoins(inputs.target, page.index(), inputs.scale, inputs.sheet);
        for (PlannedPicture& strip : plan.pictures)
            strip.which = page.Side;
        return plan;
    }
    if (inputs.sheet.geometry.Columns > 1)
        return planNoteBlock(inputs.target, page.index(), inputs.scale, inputs.sheet);
    return planNotes(inputs.target, page.index(), inputs.scale, inputs.sheet);
}

} // namespace

double planCentreLine(const std::optional<double>& paperCentreLine, float scale) {
    if (!paperCentreLine)
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("Invalid procedure call: a page for the back of a sheet needs the "
                             "paper's centre line."));
    return *paperCentreLine * scale;
}

BackOffset scaledOffset(const BackOffset& offset, float scale) {
    return {offset.x * scale, offset.y * scale};
}

QLineF turnedOver(const QLineF& line, double centreLine, BackOffset offset) {
    return QLineF(mirrored(line.x1(), centreLine, offset), line.y1() + offset.y,
                  mirrored(line.x2(), centreLine, offset), line.y2() + offset.y);
}

QRectF turnedOver(const QRectF& rect, double centreLine, BackOffset offset) {
    return QRectF(mirrored(rect.x() + rect.width(), centreLine, offset), rect.y() + offset.y,
                  rect.width(), rect.height());
}

PagePlan turnedOver(PagePlan plan, double centreLine, BackOffset offset) {
    for (PlannedLine& line : plan.lines)
        line.line = turnedOver(line.line, centreLine, offset);
    for (PlannedPicture& picture : plan.pictures)
        picture.rect = turnedOver(picture.rect, centreLine, offset);
    for (PlannedText& text : plan.texts)
        text.rect = turnedOver(text.rect, centreLine, offset);
    if (plan.footnote)
        plan.footnote->rect = turnedOver(plan.footnote->rect, centreLine, offset);
    return plan;
}

PagePlan planPage(const PageRequest& page, const PlanInputs& inputs) {
    if (page.kind == PageRequest::Kind::DrawingPage)
        return planDrawingPage(inputs.target, page, inputs.scale, inputs.sheet.sizes);
    if (page.kind == PageRequest::Kind::Calibration) {
        // The back's verniers lie behind the front's scales; the footnote stays readable as it
        // is printed, on either side.
        const double centre = planCentreLine(inputs.paperCentreLine, inputs.scale);
        PagePlan plan =
            planCalibration(inputs.target, page.Side, centre, inputs.scale, page.backOffset);
        if (page.Side != 0)
            plan = turnedOver(std::move(plan), centre, scaledOffset(page.backOffset, inputs.scale));
        plan.footnote = planFootnote(page, inputs.target, inputs.scale, inputs.sheet);
        return plan;
    }
    PagePlan plan = planSheet(page, inputs);
    if (!page.serials.isEmpty())
        addSerialPlates(plan, page.serials, inputs.scale);
    plan.footnote = planFootnote(page, inputs.target, inputs.scale, inputs.sheet);
    if (page.turnedOver)
        return turnedOver(std::move(plan), planCentreLine(inputs.paperCentreLine, inputs.scale),
                          scaledOffset(page.backOffset, inputs.scale));
    return plan;
}

} // namespace zavolin
