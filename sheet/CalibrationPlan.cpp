// The calibration sheet's page: its words, drawing, example and scales as a plan in target
// units, so that every output draws it alike.

#include "CalibrationMarks.h"
#include "CalibrationTexts.h"
#include "Footnote.h"
#include "PagePlan.h"
#include "TextBlock.h"
#include "platform/base/RuntimeError.h"
#include "platform/base/Units.h"

#include <algorithm>

namespace zavolin {
namespace {

// Millimetres on paper.
constexpr double Margin = 4;
constexpr double FootnoteRoom = FootnoteHeight + 3;
constexpr double WidestText = 180;
constexpr double ColumnWidth = 38; // the drawing and the example, left of the steps
constexpr double ColumnGap = 5;
constexpr double ScalesGap = 14; // between the scale "right" and the scale "down"
constexpr double BlockGap = 6;   // between the words and the scales
// The steps' type in points, the largest that fits; never below 9.
constexpr double StepSizes[] = {10.5, 10, 9.5, 9};
constexpr double TitleFactor = 1.35;
constexpr double MillimetresPerPoint = MillimetresPerInch / 72;

// Plans at scale 1, in millimetres; scaled when done.
class Layout {
public:
    Layout(const QSizeF& area, double centreLine, const CalibrationTexts& texts)
        : m_area(area)
        , m_centre(centreLine)
        , m_texts(texts) {}

    // The front at this size of type, or none when the scales do not fit below the words.
    std::optional<PagePlan> front(double points) const {
        PagePlan plan;
        const double em = points * MillimetresPerPoint;
        const double width = std::min(WidestText, m_area.width() - 2 * Margin);
        const double left = within(m_centre - width / 2, Margin, m_area.width() - Margin - width);
        double y = Margin;
        y = text(plan, m_texts.title, QRectF(left, y, width, 0), em * TitleFactor, true) + em / 2;

        // The drawing and the example in a column at the left, the steps beside it.
        double column = y;
        const QSizeF drawing = CalibrationDrawing().size();
        plan.pictures.append(
            {QRectF(left, column, ColumnWidth, ColumnWidth * drawing.height() / drawing.width()),
             PlannedArt::CalibrationDrawing});
        column = plan.pictures.last().rect.bottom() + em;
        const QSizeF example = CalibrationExample().size();
        plan.pictures.append(
            {QRectF(left, column, ColumnWidth, ColumnWidth * example.height() / example.width()),
             PlannedArt::CalibrationExample});
        column = plan.pictures.last().rect.bottom() + em / 4;
        column = text(plan, m_texts.example, QRectF(left, column, ColumnWidth, 0), em);

        // The steps beside the column, and across the page once below it.
        for (qsizetype i = 0; i < m_texts.steps.size(); ++i) {
            const double stepsLeft = y < column + em / 2 ? left + ColumnWidth + ColumnGap : left;
            y = text(plan, m_texts.steps[i], QRectF(stepsLeft, y, left + width - stepsLeft, 0), em,
                     false, QStringLiteral("%1.").arg(i + 1)) +
                em / 3;
        }

        // The scales below, centred in the room left above the footnote.
        const QSizeF right = calibrationMarkSize(CalibrationAxis::Right);
        const QSizeF down = calibrationMarkSize(CalibrationAxis::Down);
        const double captionWidth = down.width() + ScalesGap;
        const double blockWidth = right.width() + ScalesGap + down.width();
        const double captionHeight =
            TextBlock(m_texts.downScale, captionWidth / em, {true, true}).size().height() * em;
        // The back's note lies below the scale "right", behind nothing on the front, and may
        // make the block higher than the scale "down".
        const double noteHeight =
            TextBlock(m_texts.backNote, right.width() / em, {false, true}).size().height() * em;
        const double scalesTop = captionHeight + em / 3;
        const double blockHeight =
            scalesTop +
            std::max(down.height(), (down.height() + right.height()) / 2 + em / 2 + noteHeight);
        const double top = std::max(y, column) + BlockGap;
        const double room = m_area.height() - FootnoteRoom - top;
        if (room < blockHeight)
            return std::nullopt;
        const double blockTop = top + (room - blockHeight) / 2;
        const double blockLeft =
            within(m_centre - blockWidth / 2, Margin, m_area.width() - Margin - blockWidth);
        const QRectF downRect(blockLeft + right.width() + ScalesGap, blockTop + scalesTop,
                              down.width(), down.height());
        const QRectF rightRect(blockLeft, downRect.center().y() - right.height() / 2, right.width(),
                               right.height());
        text(plan, m_texts.downScale,
             QRectF(downRect.center().x() - captionWidth / 2, blockTop, captionWidth, 0), em, true,
             {}, true);
        const double rightCaption =
            TextBlock(m_texts.rightScale, right.width() / em, {true, true}).size().height() * em;
        text(plan, m_texts.rightScale,
             QRectF(rightRect.left(), rightRect.top() - em / 3 - rightCaption, right.width(), 0),
             em, true, {}, true);
        text(plan, m_texts.backNote,
             QRectF(rightRect.left(), rightRect.bottom() + em / 2, right.width(), 0), em, false, {},
             true);
        plan.pictures.append(
            {rightRect, PlannedArt::CalibrationScale, qint16(CalibrationAxis::Right)});
        plan.pictures.append(
            {downRect, PlannedArt::CalibrationScale, qint16(CalibrationAxis::Down)});
        return plan;
    }

private:
    static double within(double value, double low, double high) {
        return std::max(low, std::min(value, high));
    }

    // Plans a paragraph at the rectangle's top left and width; returns where it ends.
    static double text(PagePlan& plan, const QString& words, QRectF rect, double em,
                       bool bold = false, const QString& marker = {}, bool centred = false) {
        const TextBlock block(words, rect.width() / em, {bold, centred, marker});
        rect.setHeight(block.size().height() * em);
        plan.texts.append({rect, words, em, bold, centred, marker});
        return rect.bottom();
    }

    QSizeF m_area;
    double m_centre;
    const CalibrationTexts& m_texts;
};

QRectF scaled(const QRectF& rect, float scale) {
    return {rect.topLeft() * scale, rect.size() * scale};
}

} // namespace

PagePlan planCalibration(const QSizeF& target, qint16 Side, double centreLine, float scale,
                         BackOffset printedWith) {
    const CalibrationTexts texts = calibrationTexts(printedWith);
    const Layout layout(target / scale, centreLine / scale, texts);
    std::optional<PagePlan> front;
    for (const double points : StepSizes)
        if ((front = layout.front(points)))
            break;
    if (!front)
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the paper is too small for the calibration sheet."));
    PagePlan plan;
    for (PlannedPicture& picture : front->pictures) {
        picture.rect = scaled(picture.rect, scale);
        // The back holds only the verniers, each where its scale is on the front.
        if (Side == 0)
            plan.pictures.append(picture);
        else if (picture.art == PlannedArt::CalibrationScale)
            plan.pictures.append({picture.rect, PlannedArt::CalibrationVernier, picture.which});
    }
    for (PlannedText& text : front->texts) {
        // The back says only what it is; the front all the rest.
        const bool backNote = text.text == texts.backNote;
        if ((Side == 0) == backNote)
            continue;
        text.rect = scaled(text.rect, scale);
        text.size *= scale;
        plan.texts.append(text);
    }
    return plan;
}

} // namespace zavolin
