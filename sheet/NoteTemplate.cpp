#include "NoteTemplate.h"

#include "platform/base/RuntimeError.h"
#include "platform/base/ValueNames.h"
#include "platform/files/NewFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamWriter>
#include <algorithm>

namespace zavolin {
namespace {

// The page, in millimetres.
constexpr double Margin = 10;
constexpr double ColumnGap = 10;
constexpr double HeaderHeight = 22; // the title and two lines of instructions
constexpr double LabelHeight = 6;   // the line above each row naming its cells
constexpr double RowGap = 4;        // below each row, before the next label
constexpr double SafeInset = 2;     // the dashed line inside each cell

// The texts, in millimetres: font sizes and baselines.
constexpr double TitleSize = 6;
constexpr double TitleBaseline = 6; // below the margin
constexpr double InstructionSize = 3.5;
constexpr double SmallestInstructionSize = 1;
constexpr double InstructionBaseline = 12; // the first line, below the margin
constexpr double LineSpacing = 1.3;        // times the font size
constexpr int InstructionLines = 2;        // what the header has room for
constexpr double LabelSize = 3.5;
// Low enough in its line to be read with its row, high enough that no descender reaches the
// cell, which is the user's alone.
constexpr double LabelBaselineAboveCell = 1.6;

const QString FontFamily = QStringLiteral("DejaVu Sans");
const QString TextColour = QStringLiteral("#333333");
const QString OutlineColour = QStringLiteral("#333333");
constexpr double OutlineWidth = 0.2;
const QString GuideColour = QStringLiteral("#aaaaaa");
constexpr double GuideWidth = 0.2;
const QString GuideDashes = QStringLiteral("1.5,1");

constexpr int TemplateFileDpi = 300;
constexpr int MaxDpi = 1200; // 2.2 gigapixels beyond this: a mistake rather than a wish
constexpr double MillimetresPerInch = 25.4;

// Row `row` is the value Denom row + 1.
QString rowName(size_t row) {
    return valueName(qint16(row + 1));
}

QString sideName(size_t column, const NoteTemplateTexts& texts) {
    return column == 0 ? texts.front : texts.back;
}

// Millimetres as SVG numbers: a thousandth is far below what is drawn or cut.
QString mm(double value) {
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// The instructions as at most InstructionLines lines across `width`, in the largest font size
// up to InstructionSize that fits them.
QStringList wrapInstructions(const QString& text, double width, double* fontSize) {
    QFont font(FontFamily);
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (double size = InstructionSize;; size *= 0.9) {
        const double widthAt100 = width * 100 / size;
        QStringList lines;
        QString line;
        for (const QString& word : words) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > widthAt100) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        if (!line.isEmpty())
            lines << line;
        if (lines.size() <= InstructionLines || size * 0.9 < SmallestInstructionSize) {
            *fontSize = size;
            return lines;
        }
    }
}

void writeText(QXmlStreamWriter& svg, double x, double y, double size, const QString& text,
               bool bold = false) {
    svg.writeStartElement(QStringLiteral("text"));
    svg.writeAttribute(QStringLiteral("x"), mm(x));
    svg.writeAttribute(QStringLiteral("y"), mm(y));
    svg.writeAttribute(QStringLiteral("font-family"), FontFamily);
    svg.writeAttribute(QStringLiteral("font-size"), mm(size));
    if (bold)
        svg.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
    svg.writeAttribute(QStringLiteral("fill"), TextColour);
    svg.writeCharacters(text);
    svg.writeEndElement();
}

// An unfilled rectangle with the stroke given as attributes: every SVG reader takes those.
void writeFrame(QXmlStreamWriter& svg, const QString& id, const QRectF& r, const QString& colour,
                double width, const QString& dashes = {}) {
    svg.writeStartElement(QStringLiteral("rect"));
    svg.writeAttribute(QStringLiteral("id"), id);
    svg.writeAttribute(QStringLiteral("x"), mm(r.x()));
    svg.writeAttribute(QStringLiteral("y"), mm(r.y()));
    svg.writeAttribute(QStringLiteral("width"), mm(r.width()));
    svg.writeAttribute(QStringLiteral("height"), mm(r.height()));
    svg.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    svg.writeAttribute(QStringLiteral("stroke"), colour);
    svg.writeAttribute(QStringLiteral("stroke-width"), mm(width));
    if (!dashes.isEmpty())
        svg.writeAttribute(QStringLiteral("stroke-dasharray"), dashes);
    svg.writeEndElement();
}

// "1-front", "1000-back": the cell's part of its element ids.
QString cellName(size_t k) {
    return rowName(k / 2) + (k % 2 == 0 ? QStringLiteral("-front") : QStringLiteral("-back"));
}

[[noreturn]] void cannotWrite(const QString& path, const QString& why) {
    raise(ErrNo::PathFileAccessError,
          QStringLiteral("cannot write the template \"%1\": %2").arg(path, why));
}

// Writes the bytes under a temporary name beside the target and renames it to the target, so
// that a failure leaves the target as it was and nothing else behind.
void writeWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (const QString refusal = notReplaceableReason(target.absoluteFilePath()); !refusal.isEmpty())
        cannotWrite(path, refusal);
    if (!QFileInfo(folder).isDir())
        cannotWrite(path, QStringLiteral("the folder %1 does not exist").arg(folder));
    try {
        replaceFile(target.absoluteFilePath(), bytes);
    } catch (const RuntimeError& e) {
        cannotWrite(path, e.description());
    }
}

} // namespace

NoteTemplateLayout noteTemplateLayout(const SizeTable& sizes) {
    NoteTemplateLayout layout;
    double columnWidth = 0;
    for (qint16 denom = 1; denom <= 10; ++denom)
        for (qint16 side = 0; side <= 1; ++side)
            columnWidth = std::max(columnWidth, double(sizes.at(sheetIndex(denom, side)).Width));

    double top = Margin + HeaderHeight;
    double bottom = top;
    for (qint16 denom = 1; denom <= 10; ++denom) {
        const double cellTop = top + LabelHeight;
        double rowHeight = 0;
        for (qint16 side = 0; side <= 1; ++side) {
            const SheetItemSize size = sizes.at(sheetIndex(denom, side));
            const double left = Margin + side * (columnWidth + ColumnGap);
            layout.cells[size_t(2 * (denom - 1) + side)] =
                QRectF(left, cellTop, size.Width, size.Height);
            rowHeight = std::max(rowHeight, double(size.Height));
        }
        bottom = cellTop + rowHeight;
        top = bottom + RowGap;
    }
    layout.page = QSizeF(Margin + columnWidth + ColumnGap + columnWidth + Margin, bottom + Margin);
    return layout;
}

QByteArray noteTemplateSvg(const SizeTable& sizes, const NoteTemplateTexts& texts) {
    const NoteTemplateLayout layout = noteTemplateLayout(sizes);
    QByteArray document;
    QXmlStreamWriter svg(&document);
    svg.setAutoFormatting(true);
    svg.setAutoFormattingIndent(1);
    svg.writeStartDocument();
    svg.writeStartElement(QStringLiteral("svg"));
    svg.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    svg.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    svg.writeAttribute(QStringLiteral("width"), mm(layout.page.width()) + QStringLiteral("mm"));
    svg.writeAttribute(QStringLiteral("height"), mm(layout.page.height()) + QStringLiteral("mm"));
    svg.writeAttribute(
        QStringLiteral("viewBox"),
        QStringLiteral("0 0 %1 %2").arg(mm(layout.page.width()), mm(layout.page.height())));
    svg.writeTextElement(QStringLiteral("title"), texts.title);

    // The texts lie outside every cell: what is inside a cell is the user's picture.
    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("texts"));
    writeText(svg, Margin, Margin + TitleBaseline, TitleSize, texts.title, true);
    const double textWidth = layout.page.width() - 2 * Margin;
    double instructionSize = InstructionSize;
    const QStringList lines = wrapInstructions(texts.instructions, textWidth, &instructionSize);
    for (qsizetype i = 0; i < lines.size(); ++i)
        writeText(svg, Margin, Margin + InstructionBaseline + i * LineSpacing * instructionSize,
                  instructionSize, lines[i]);
    for (size_t k = 0; k < layout.cells.size(); ++k) {
        const QRectF& cell = layout.cells[k];
        writeText(svg, cell.left(), cell.top() - LabelBaselineAboveCell, LabelSize,
                  QStringLiteral("%1 \u00b7 %2").arg(rowName(k / 2), sideName(k % 2, texts)));
    }
    svg.writeEndElement();

    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("cells"));
    for (size_t k = 0; k < layout.cells.size(); ++k)
        writeFrame(svg, QStringLiteral("cell-") + cellName(k), layout.cells[k], OutlineColour,
                   OutlineWidth);
    svg.writeEndElement();

    // The safe area: what must not be lost when the printed notes are cut out by hand.
    svg.writeStartElement(QStringLiteral("g"));
    svg.writeAttribute(QStringLiteral("id"), QStringLiteral("guides"));
    for (size_t k = 0; k < layout.cells.size(); ++k)
        writeFrame(svg, QStringLiteral("safe-") + cellName(k),
                   layout.cells[k].adjusted(SafeInset, SafeInset, -SafeInset, -SafeInset),
                   GuideColour, GuideWidth, GuideDashes);
    svg.writeEndElement();

    svg.writeEndElement();
    svg.writeEndDocument();
    return document;
}

QImage noteTemplateImage(const SizeTable& sizes, const NoteTemplateTexts& texts, int dpi) {
    if (dpi < 1 || dpi > MaxDpi)
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("the template is drawn at 1 to %1 dpi, not %2").arg(MaxDpi).arg(dpi));
    const NoteTemplateLayout layout = noteTemplateLayout(sizes);
    const double pixelsPerMillimetre = dpi / MillimetresPerInch;
    const QSizeF target = layout.page * pixelsPerMillimetre;
    QImage image(qRound(target.width()), qRound(target.height()), QImage::Format_RGB32);
    if (image.isNull())
        raise(ErrNo::InternalError,
              QStringLiteral("there is not enough memory to draw the template at %1 dpi").arg(dpi));
    image.fill(Qt::white);
    const int dotsPerMetre = qRound(pixelsPerMillimetre * 1000);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);

    // The image is the SVG document drawn: the two cannot disagree.
    QSvgRenderer renderer(noteTemplateSvg(sizes, texts));
    if (!renderer.isValid())
        raise(ErrNo::InternalError, QStringLiteral("the template's SVG document cannot be read"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), target));
    painter.end();
    return image;
}

void writeNoteTemplate(const QString& path, const SizeTable& sizes,
                       const NoteTemplateTexts& texts) {
    QByteArray bytes;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        bytes = noteTemplateSvg(sizes, texts);
    } else if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) ||
            !noteTemplateImage(sizes, texts, TemplateFileDpi).save(&buffer, "PNG"))
            cannotWrite(path, QStringLiteral("the PNG image could not be made"));
    } else {
        raise(ErrNo::BadFileNameOrNumber,
              QStringLiteral("the template \"%1\" must end in .svg or .png").arg(path));
    }
    writeWhole(path, bytes);
}

} // namespace zavolin
