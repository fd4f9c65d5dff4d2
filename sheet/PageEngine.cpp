#include "PageEngine.h"

#include "CalibrationMarks.h"
#include "CoinStrips.h"
#include "CutLineColour.h"
#include "DrawingPageArt.h"
#include "DrawingPages.h"
#include "Footnote.h"
#include "PaintCoins.h"
#include "PaintNoteBlock.h"
#include "PaintNotes.h"
#include "PlanPainter.h"
#include "SerialPlate.h"
#include "TurnedOverSurface.h"
#include "platform/base/RuntimeError.h"
#include "platform/compat/Conversions.h"
#include "platform/print/Printer.h"

namespace zavolin {
namespace {

void drawSheet(DrawingSurface& target, const PageRequest& page, float scale,
               const PageContent& content, CallerTrap trap, const DrawLabels& labels) {
    if (trap.test(labels.choice, [&] { return page.isBanknote(); }))
        trap.at(labels.notes, [&] {
            if (content.sheet.geometry.Columns > 1)
                PaintNoteBlock(target, page.index(), scale, content.sheet, content.notes);
            else
                PaintNotes(target, page.index(), scale, content.sheet, content.notes);
        });
    else
        trap.at(labels.coins, [&] {
            PaintCoins(target, page.index(), scale, content.sheet, &imgCoins(page.Side));
        });
}

// The front's words, drawing and scales or the back's verniers, and the footnote.
void drawCalibration(DrawingSurface& target, const PageRequest& page, float scale,
                     const PageContent& content) {
    const PlanInputs inputs{innerSize(target), scale, content.sheet, content.paperCentreLine};
    paintPlan(target, planPage(page, inputs),
              [](const PlannedPicture& mark) -> std::shared_ptr<const Picture> {
                  const auto axis = CalibrationAxis(mark.which);
                  switch (mark.art) {
                  case PlannedArt::CalibrationScale:
                      return std::make_shared<CalibrationScale>(axis);
                  case PlannedArt::CalibrationVernier:
                      return std::make_shared<CalibrationVernier>(axis);
                  case PlannedArt::CalibrationDrawing:
                      return std::make_shared<CalibrationDrawing>();
                  case PlannedArt::CalibrationExample:
                      return std::make_shared<CalibrationExample>();
                  default:
                      raise(ErrNo::InternalError,
                            QStringLiteral("Internal error: a calibration page planned a picture "
                                           "of a banknote sheet."));
                  }
              });
}

// The notes' serials, each on its plate over its note: drawn through the same surface as the
// notes, so a back's lie behind their fronts'.
void drawSerials(DrawingSurface& target, const PageRequest& page, float scale,
                 const PageContent& content) {
    if (page.serials.isEmpty() || !page.isBanknote())
        return;
    const QSizeF inner = innerSize(target);
    PagePlan plan = content.sheet.geometry.Columns > 1
                        ? planNoteBlock(inner, page.index(), scale, content.sheet)
                        : planNotes(inner, page.index(), scale, content.sheet);
    addSerialPlates(plan, page.serials, scale);
    QList<std::pair<QRectF, QString>> plates;
    for (const PlannedPicture& planned : std::as_const(plan.pictures))
        if (planned.art == PlannedArt::SerialPlate)
            plates.append({planned.rect, page.serials[planned.which]});
    const SerialPlates all(plates);
    const QRectF at = all.bounds();
    target.paintPicture(all, at.x(), at.y(), at.width(), at.height());
}

// The frames, the corner codes and the words of a page to draw notes on.
void drawDrawingPage(DrawingSurface& target, const PageRequest& page, float scale,
                     const PageContent& content) {
    const PlanInputs inputs{innerSize(target), scale, content.sheet, content.paperCentreLine};
    const PagePlan plan = planPage(page, inputs);
    paintPlan(target, plan, [&](const PlannedPicture& planned) -> std::shared_ptr<const Picture> {
        if (planned.art == PlannedArt::DrawingFrame) {
            const SheetItemSize& note = content.sheet.sizes.at(planned.which + 1);
            return std::make_shared<DrawingFrame>(QSizeF(note.Width, note.Height));
        }
        DrawingPageLabel label;
        label.target = inputs.target / scale;
        label.cells = page.drawingCells;
        label.corner = planned.which;
        return std::make_shared<DrawingPageCode>(drawingPageLabelText(label));
    });
}

// Asks the job whether to go on after each picture drawn.
class WatchedSurface : public DrawingSurface {
public:
    WatchedSurface(DrawingSurface& target, const std::function<bool()>& keepGoing)
        : m_target(target)
        , m_keepGoing(keepGoing) {}

    double scaleWidth() override { return m_target.scaleWidth(); }
    double scaleHeight() override { return m_target.scaleHeight(); }
    void line(double x1, double y1, double x2, double y2) override {
        m_target.line(x1, y1, x2, y2);
    }
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override {
        m_target.paintPicture(picture, x, y, width, height);
        check(m_keepGoing);
    }
    void paintFootnote(const Picture& picture, double x, double y, double width,
                       double height) override {
        m_target.paintFootnote(picture, x, y, width, height);
        check(m_keepGoing);
    }

    static void check(const std::function<bool()>& keepGoing) {
        if (keepGoing && !keepGoing())
            throw PrintCancelled{};
    }

private:
    DrawingSurface& m_target;
    const std::function<bool()>& m_keepGoing;
};

} // namespace

void drawPage(DrawingSurface& target, const PageRequest& page, float scale,
              const PageContent& content, CallerTrap trap, const DrawLabels& labels) {
    if (page.kind == PageRequest::Kind::Calibration) {
        drawCalibration(target, page, scale, content);
    } else if (page.kind == PageRequest::Kind::DrawingPage) {
        drawDrawingPage(target, page, scale, content);
    } else if (page.turnedOver) {
        TurnedOverSurface back(target, planCentreLine(content.paperCentreLine, scale),
                               scaledOffset(page.backOffset, scale));
        drawSheet(back, page, scale, content, trap, labels);
        drawSerials(back, page, scale, content);
        drawFootnote(back, page, scale, content.sheet);
    } else {
        drawSheet(target, page, scale, content, trap, labels);
        drawSerials(target, page, scale, content);
        drawFootnote(target, page, scale, content.sheet);
    }
}

void printPages(Printer& printer, const QList<PageRequest>& pages, const PageContent& content,
                const PrintJob& job, CallerTrap trap, const PrintLabels& labels) {
    printPages(
        printer, pages, [&](const PageRequest&) { return content; }, job, trap, labels);
}

void printPages(Printer& printer, const QList<PageRequest>& pages, const ContentFor& contentFor,
                const PrintJob& job, CallerTrap trap, const PrintLabels& labels) {
    qint16 copies = 0;
    trap.at(labels.readCopies, [&] { copies = toInt16(printer.copies()); });
    const auto askForCopies = [&] { printer.setCopies(job.copies()); };
    if (job.refusedCopies == RefusedCopies::Fail)
        askForCopies();
    else
        trap.quietly(askForCopies);
    // An empty line opens the document and its first page.
    trap.at(labels.open, [&] { printer.printLine(QString()); });
    trap.at(labels.foreColor, [&] { printer.setForeColor(CutLineGrey); });
    WatchedSurface watched(printer, job.keepGoing);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        WatchedSurface::check(job.keepGoing);
        if (i > 0)
            trap.at(labels.page.choice, [&] { printer.newPage(); });
        drawPage(watched, pages[i], 1, contentFor(pages[i]), trap, labels.page);
    }
    trap.at(labels.end, [&] { printer.endDoc(); });
    trap.quietly([&] { printer.setCopies(copies); });
}

} // namespace zavolin
