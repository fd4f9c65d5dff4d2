#include "WholeSet.h"

#include "ScaleFactor.h"
#include "TurnedOverSurface.h"

namespace zavolin {
namespace {

QList<PageRequest> sidesOf(const QList<qint16>& values, bool fronts, bool backs,
                           BackOffset offset) {
    QList<PageRequest> pages;
    for (const qint16 value : values) {
        if (fronts)
            pages.append(PageRequest{value, 0});
        if (backs) {
            PageRequest back{value, 1};
            back.turnedOver = true;
            back.backOffset = offset;
            pages.append(back);
        }
    }
    return pages;
}

} // namespace

namespace {

const std::pair<const char*, SetSides> SidesNames[] = {{"printer", SetSides::TwoSided},
                                                       {"manual", SetSides::TurnByHand},
                                                       {"none", SetSides::FrontsOnly},
                                                       {"backs", SetSides::BacksOnly}};

} // namespace

QString setSidesName(SetSides sides) {
    for (const auto& [name, way] : SidesNames)
        if (way == sides)
            return QString::fromLatin1(name);
    return {};
}

std::optional<SetSides> setSidesNamed(const QString& name) {
    for (const auto& [known, way] : SidesNames)
        if (name.trimmed().compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return way;
    return std::nullopt;
}

QList<qint16> allSetValues() {
    return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};
}

QList<SetDocument> setDocuments(const QList<qint16>& values, SetSides sides, BackOffset offset) {
    switch (sides) {
    case SetSides::TwoSided:
        return {{sidesOf(values, true, true, offset), true}};
    case SetSides::TurnByHand:
        return {{sidesOf(values, true, false, offset), false},
                {sidesOf(values, false, true, offset), false}};
    case SetSides::FrontsOnly:
        return {{sidesOf(values, true, false, offset), false}};
    case SetSides::BacksOnly:
        return {{sidesOf(values, false, true, offset), false}};
    }
    return {};
}

QList<SetDocument> calibrationDocuments(bool twoSided, BackOffset offset) {
    PageRequest front;
    front.kind = PageRequest::Kind::Calibration;
    // The front is not moved; it carries the offset to say what the sheet was printed with.
    front.backOffset = offset;
    PageRequest back = front;
    back.Side = 1;
    back.turnedOver = true;
    back.backOffset = offset;
    if (twoSided)
        return {{{front, back}, true}};
    return {{{front}, false}, {{back}, false}};
}

QList<PageRequest> setFilePages(const QList<qint16>& values, SetSides sides, BackOffset offset,
                                int copies) {
    const bool bothSides = sides == SetSides::TwoSided || sides == SetSides::TurnByHand;
    const QList<PageRequest> pages =
        setDocuments(values, bothSides ? SetSides::TwoSided : sides, offset).first().pages;
    const qsizetype group = bothSides ? 2 : 1;
    QList<PageRequest> repeated;
    repeated.reserve(pages.size() * qMax(copies, 1));
    for (qsizetype start = 0; start < pages.size(); start += group) {
        const QList<PageRequest> run = pages.mid(start, group);
        for (int copy = 0; copy < copies; ++copy)
            repeated.append(run);
    }
    return repeated;
}

QList<PageRequest> withFootnotes(QList<PageRequest> pages, SheetFootnote sheet,
                                 CalibrationFootnote calibration) {
    for (qsizetype i = 0; i < pages.size(); ++i) {
        PageRequest& page = pages[i];
        page.footnote = page.kind == PageRequest::Kind::Calibration
                            ? calibration(page.backOffset.x, page.backOffset.y)
                            : sheet(page.Denom, page.Side, i + 1, pages.size());
    }
    return pages;
}

QList<SetDocument> withFootnotes(QList<SetDocument> documents, SheetFootnote sheet,
                                 CalibrationFootnote calibration) {
    for (SetDocument& document : documents)
        document.pages = withFootnotes(document.pages, sheet, calibration);
    return documents;
}

qint32 itemsOnSheet(Printer& printer, qint16 Denom, const SetContent& content) {
    PageGeometry geometry;
    ScaleFactor(printer, content.sizes, Denom, 0, geometry, {},
                {content.columns, content.offsets.TopMargin, true});
    return qint32(geometry.RowsPerPage) * geometry.Columns;
}

void printSetPages(Printer& printer, const QList<PageRequest>& pages, const SetContent& content,
                   int copies, const SetProgress& progress) {
    if (progress.documentStarted)
        progress.documentStarted(pages.size());
    // The paper is the same for every page; the geometry depends on each page's size.
    const double centre = paperCentreLine(printer);
    PageGeometry geometry;
    qsizetype started = 0;
    const ContentFor contentFor = [&](const PageRequest& page) {
        if (progress.pageStarted)
            progress.pageStarted(started++);
        ScaleFactor(printer, content.sizes, page.Denom, page.Side, geometry, {},
                    {content.columns, content.offsets.TopMargin, true});
        return PageContent{{content.sizes, geometry, content.offsets}, content.notes, centre};
    };
    PrintJob job;
    job.copies = [copies] { return copies; };
    job.refusedCopies = RefusedCopies::Fail;
    job.keepGoing = progress.keepGoing;
    printPages(printer, pages, contentFor, job);
}

} // namespace zavolin
