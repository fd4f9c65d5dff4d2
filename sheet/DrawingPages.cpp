#include "DrawingPages.h"

#include "platform/base/RuntimeError.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace zavolin {
namespace {

// Millimetres on paper.
constexpr double CodeInset = 3; // from the printable area's edge: no printer crops the codes
constexpr double CodeSize = 15; // modules of about half a millimetre: read well at 150 dpi
constexpr double Band = CodeInset + CodeSize + 3; // above and below the frames
constexpr double SideMargin = 3;
constexpr double CaptionHeight = 5;
constexpr double RowGap = 4;
constexpr double CellGap = 6;
constexpr double MostExtraGap = 12; // spare height spread between the rows, up to this each

QSizeF frameSize(const SizeTable& sizes, qint16 cell) {
    const SheetItemSize& item = sizes.at(cell + 1);
    return {item.Width, item.Height};
}

// The page's rows: a front with its back beside it where both fit across, else one a row.
QList<QList<qint16>> rowsOf(const SizeTable& sizes, double width, const QList<qint16>& cells) {
    QList<QList<qint16>> rows;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const qint16 cell = cells[i];
        const bool pair = cell % 2 == 0 && i + 1 < cells.size() && cells[i + 1] == cell + 1 &&
                          2 * frameSize(sizes, cell).width() + CellGap <= width;
        if (pair)
            rows.append(QList<qint16>{cell, cells[++i]});
        else
            rows.append(QList<qint16>{cell});
    }
    return rows;
}

double rowHeight(const SizeTable& sizes, const QList<qint16>& row) {
    double height = 0;
    for (qint16 cell : row)
        height = std::max(height, frameSize(sizes, cell).height());
    return CaptionHeight + height + RowGap;
}

double contentWidth(QSizeF target) {
    return target.width() - 2 * SideMargin;
}

// What the rows may take: the last one's gap may reach into the band.
double contentHeight(QSizeF target) {
    return target.height() - 2 * Band + RowGap;
}

// A printer's printable area in tenths of a millimetre, as the label carries it.
QSizeF labelled(QSizeF target) {
    return {std::round(target.width() * 10) / 10, std::round(target.height() * 10) / 10};
}

} // namespace

DrawingPageLayout drawingPageLayout(const SizeTable& sizes, QSizeF target,
                                    const QList<qint16>& cells) {
    DrawingPageLayout layout;
    layout.target = labelled(target);
    layout.cells = cells;
    const QSizeF t = layout.target;
    layout.codes = {QRectF(CodeInset, CodeInset, CodeSize, CodeSize),
                    QRectF(t.width() - CodeInset - CodeSize, CodeInset, CodeSize, CodeSize),
                    QRectF(t.width() - CodeInset - CodeSize, t.height() - CodeInset - CodeSize,
                           CodeSize, CodeSize),
                    QRectF(CodeInset, t.height() - CodeInset - CodeSize, CodeSize, CodeSize)};
    const double between = CodeInset + CodeSize + CellGap;
    layout.title = QRectF(between, CodeInset, t.width() - 2 * between, CodeSize);
    layout.footer =
        QRectF(between, t.height() - CodeInset - CodeSize, t.width() - 2 * between, CodeSize);

    const QList<QList<qint16>> rows = rowsOf(sizes, contentWidth(t), cells);
    double used = 0;
    for (const QList<qint16>& row : rows)
        used += rowHeight(sizes, row);
    const double extra =
        rows.size() > 1
            ? std::clamp((contentHeight(t) - used) / double(rows.size() - 1), 0.0, MostExtraGap)
            : 0.0;
    double y = Band;
    for (const QList<qint16>& row : rows) {
        double width = -CellGap;
        for (qint16 cell : row)
            width += frameSize(sizes, cell).width() + CellGap;
        double x = (t.width() - width) / 2;
        for (qint16 cell : row) {
            const QSizeF size = frameSize(sizes, cell);
            layout.captions.append(QRectF(x, y, size.width(), CaptionHeight));
            layout.frames.append(QRectF(QPointF(x, y + CaptionHeight), size));
            x += size.width() + CellGap;
        }
        y += rowHeight(sizes, row) + extra;
    }
    return layout;
}

QList<QList<qint16>> drawingPageCells(const SizeTable& sizes, QSizeF target,
                                      const QList<qint16>& values) {
    target = labelled(target);
    const double room = contentHeight(target);
    QList<QList<qint16>> pages;
    QList<qint16> page;
    double used = 0;
    const auto place = [&](const QList<qint16>& cells) {
        double height = 0;
        for (const QList<qint16>& row : rowsOf(sizes, contentWidth(target), cells))
            height += rowHeight(sizes, row);
        if (used + height > room && !page.isEmpty()) {
            pages.append(page);
            page.clear();
            used = 0;
        }
        if (height > room)
            return false;
        page += cells;
        used += height;
        return true;
    };
    for (qint16 Denom : values) {
        const qint16 front = qint16(2 * (Denom - 1));
        if (place(QList<qint16>{front, qint16(front + 1)}))
            continue;
        for (qint16 cell : {front, qint16(front + 1)})
            if (frameSize(sizes, cell).width() > contentWidth(target) ||
                !place(QList<qint16>{cell}))
                raise(ErrNo::PrinterError,
                      QStringLiteral("the paper is too small for the drawing pages: a %1 × %2 mm "
                                     "note does not fit on it")
                          .arg(frameSize(sizes, cell).width(), 0, 'f', 1)
                          .arg(frameSize(sizes, cell).height(), 0, 'f', 1));
    }
    if (!page.isEmpty())
        pages.append(page);
    return pages;
}

QList<PageRequest> drawingPageRequests(const SizeTable& sizes, QSizeF target,
                                       const QList<qint16>& values) {
    const QList<QList<qint16>> pages = drawingPageCells(sizes, target, values);
    QList<PageRequest> requests;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        PageRequest page;
        page.kind = PageRequest::Kind::DrawingPage;
        page.drawingCells = pages[i];
        page.drawingPage = qint16(i + 1);
        page.drawingPages = qint16(pages.size());
        requests.append(page);
    }
    return requests;
}

QString drawingPageLabelText(const DrawingPageLabel& label) {
    QStringList cells;
    for (qint16 cell : label.cells)
        cells << QString::number(cell);
    const QSizeF tenths = labelled(label.target) * 10;
    return QStringLiteral("ZAVOLIN/%1/%2X%3/%4/%5")
        .arg(label.version)
        .arg(qRound(tenths.width()))
        .arg(qRound(tenths.height()))
        .arg(label.corner)
        .arg(cells.join(QLatin1Char('.')));
}

std::optional<DrawingPageLabel> readDrawingPageLabel(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        "^ZAVOLIN/(\\d{1,3})/(\\d{3,5})X(\\d{3,5})/([0-3])/(\\d{1,2}(?:\\.\\d{1,2}){0,19})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    DrawingPageLabel label;
    label.version = match.captured(1).toInt();
    label.target = QSizeF(match.captured(2).toInt() / 10.0, match.captured(3).toInt() / 10.0);
    label.corner = match.captured(4).toInt();
    for (const QString& cell : match.captured(5).split(QLatin1Char('.'))) {
        const int k = cell.toInt();
        if (k > 19 || label.cells.contains(qint16(k)))
            return std::nullopt;
        label.cells.append(qint16(k));
    }
    return label;
}

} // namespace zavolin
