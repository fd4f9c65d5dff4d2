// A drawing page as a plan in target units, so that the preview, the printer and the PDF file
// draw it alike.

#include "DrawingPages.h"
#include "PagePlan.h"
#include "SetCounts.h"
#include "TextBlock.h"
#include "TextPicture.h"

#include <QCoreApplication>
#include <algorithm>

namespace zavolin {
namespace {

struct DrawingPageTexts {
    Q_DECLARE_TR_FUNCTIONS(DrawingPages)
};

// Millimetres on paper.
constexpr double TitleSize = 4.5;
constexpr double InstructionSize = 3;
constexpr double CaptionSize = 3.5;
constexpr double FootnoteSize = 2.5;

QRectF scaled(const QRectF& rect, float scale) {
    return {rect.topLeft() * scale, rect.size() * scale};
}

// A paragraph at the top of `rect`, as high as its lines.
void addText(PagePlan& plan, const QString& words, QRectF rect, double em, float scale,
             bool bold = false, bool centred = true) {
    const TextBlock block(words, rect.width() / em, {bold, centred});
    rect.setHeight(block.size().height() * em);
    plan.texts.append({scaled(rect, scale), words, em * scale, bold, centred});
}

} // namespace

PagePlan planDrawingPage(const QSizeF& target, const PageRequest& page, float scale,
                         const SizeTable& sizes) {
    const DrawingPageLayout layout = drawingPageLayout(sizes, target / scale, page.drawingCells);
    PagePlan plan;
    for (qsizetype i = 0; i < layout.cells.size(); ++i) {
        const qint16 cell = layout.cells[i];
        plan.pictures.append({scaled(layout.frames[i], scale), PlannedArt::DrawingFrame, cell});
        const QString side =
            cell % 2 ? DrawingPageTexts::tr("back") : DrawingPageTexts::tr("front");
        addText(plan, QStringLiteral("%1 \u00b7 %2").arg(valueKey(qint16(cell / 2 + 1)), side),
                layout.captions[i], CaptionSize, scale, true, false);
    }
    for (int corner = 0; corner < 4; ++corner)
        plan.pictures.append({scaled(layout.codes[size_t(corner)], scale),
                              PlannedArt::DrawingPageCode, qint16(corner)});

    const QRectF title = layout.title;
    addText(plan,
            DrawingPageTexts::tr("Zavolin drawing page %1 of %2")
                .arg(page.drawingPage)
                .arg(page.drawingPages),
            title, TitleSize, scale, true);
    addText(plan,
            DrawingPageTexts::tr("Draw each note inside its dashed line. Keep the four corner "
                                 "codes clean and scan the whole page."),
            title.adjusted(0, TitleSize * 1.6, 0, 0), InstructionSize, scale);
    const QRectF footer = layout.footer;
    const QString note = DrawingPageTexts::tr("Own pictures: make a set from the scanned pages.");
    const double width = std::min(footer.width(), TextPicture(note).widthAt(FootnoteSize));
    const double height = FootnoteSize * width / TextPicture(note).widthAt(FootnoteSize);
    plan.footnote = PlannedFootnote{
        scaled(QRectF(footer.center().x() - width / 2, footer.bottom() - height, width, height),
               scale),
        note};
    return plan;
}

} // namespace zavolin
