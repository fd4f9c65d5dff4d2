#include "OwnSetImport.h"

#include "PlainBack.h"
#include "platform/RegularFile.h"
#include "platform/RuntimeError.h"
#include "platform/SvgCheck.h"
#include "sheet/NoteTemplate.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <array>
#include <cmath>
#include <optional>

namespace zavolin {
namespace {

// A made grid's cell: 300 dots per inch across the widest note ("1000", 101.5 mm), of the
// notes' common proportions.
constexpr int CellWidth = 1200;
constexpr int CellHeight = 620;
constexpr double MostStretch = 0.02;
constexpr double LeastDpi = 150;
constexpr double RenderDpi = 300;
// How close a picture's proportions come to the template's to be taken for it filled in.
constexpr double TemplateMatch = 0.005;
constexpr double MillimetresPerInch = 25.4;
constexpr int GridQuality = 92;

const std::array<const char*, 10> Values = {"1",  "2",   "5",   "10",  "20",
                                            "50", "100", "200", "500", "1000"};

struct OwnSets {
    Q_DECLARE_TR_FUNCTIONS(OwnSets)
};

// Cell k: row k / 2 is the value, column k % 2 the side.
QString noteName(int k) {
    return QStringLiteral("%1 %2").arg(QLatin1String(Values[size_t(k / 2)]),
                                       k % 2 ? OwnSets::tr("back") : OwnSets::tr("front"));
}

const SheetItemSize& noteSize(const SizeTable& sizes, int k) {
    return sizes.at(k + 1);
}

QString millimetres(double value) {
    return QString::number(value, 'f', 1);
}

void add(PreparedSet& set, bool stops, const QString& text) {
    set.findings.append({stops, text});
}

// The proportions and, for a raster cell, the resolution of what goes into note k.
void checkCell(PreparedSet& set, const SizeTable& sizes, int k, QSizeF cell, bool raster,
               const QString& what) {
    const SheetItemSize& note = noteSize(sizes, k);
    if (cell.isEmpty()) {
        add(set, true, OwnSets::tr("%1: the picture is empty").arg(what));
        return;
    }
    const double stretch = (double(note.Width) / note.Height) / (cell.width() / cell.height()) - 1;
    if (std::abs(stretch) > MostStretch)
        add(set, false,
            OwnSets::tr("%1: %2 × %3 would be stretched %4 % %5 to fill the %6 × %7 mm note")
                .arg(what)
                .arg(cell.width(), 0, 'f', 0)
                .arg(cell.height(), 0, 'f', 0)
                .arg(std::abs(stretch) * 100, 0, 'f', 0)
                .arg(stretch > 0 ? OwnSets::tr("wider") : OwnSets::tr("narrower"))
                .arg(millimetres(note.Width), millimetres(note.Height)));
    if (raster) {
        const double dpi = cell.width() / (note.Width / MillimetresPerInch);
        if (dpi < LeastDpi)
            add(set, false,
                OwnSets::tr(
                    "%1: %2 dots per inch at its printed size of %3 × %4 mm (%5 or more print "
                    "sharply)")
                    .arg(what)
                    .arg(std::round(dpi))
                    .arg(millimetres(note.Width), millimetres(note.Height))
                    .arg(LeastDpi));
    }
}

// One picture file: a raster image as it is, a vector one with its renderer.
struct Source {
    QByteArray bytes;
    QImage image;
    std::shared_ptr<QSvgRenderer> svg;

    bool isVector() const { return svg != nullptr; }
    QSizeF size() const { return svg ? svg->viewBoxF().size() : QSizeF(image.size()); }
};

std::optional<Source> readSource(PreparedSet& set, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList known = {QStringLiteral("png"), QStringLiteral("jpg"),
                                      QStringLiteral("jpeg"), QStringLiteral("svg")};
    if (!known.contains(suffix)) {
        add(set, true, OwnSets::tr("%1 is not a PNG, JPEG or SVG picture").arg(path));
        return std::nullopt;
    }
    Source source;
    try {
        source.bytes = readRegularFile(path, MaxPictureFileBytes);
    } catch (const RuntimeError& e) {
        add(set, true, OwnSets::tr("cannot read %1").arg(e.description()));
        return std::nullopt;
    }
    if (suffix == QLatin1String("svg")) {
        // What the SVG reader would fetch from elsewhere, or work on without end, is refused
        // before it reads the file.
        if (const QString why = svgRefusal(source.bytes); !why.isEmpty()) {
            add(set, true,
                OwnSets::tr("%1 cannot be read as an SVG picture").arg(path) +
                    QStringLiteral(": ") + why);
            return std::nullopt;
        }
        source.svg = std::make_shared<QSvgRenderer>(source.bytes);
        if (!source.svg->isValid() || source.svg->viewBoxF().isEmpty()) {
            add(set, true, OwnSets::tr("%1 cannot be read as an SVG picture").arg(path));
            return std::nullopt;
        }
    } else if (!source.image.loadFromData(source.bytes)) {
        add(set, true,
            OwnSets::tr("%1 cannot be read as a %2 picture").arg(path, suffix.toUpper()));
        return std::nullopt;
    }
    return source;
}

// The part `area` of a picture (in its own units) as an image of `pixels`.
QImage cut(const Source& source, const QRectF& area, QSize pixels) {
    if (!source.isVector())
        return source.image.copy(area.toRect());
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF box = source.svg->viewBoxF();
    const double sx = pixels.width() / area.width();
    const double sy = pixels.height() / area.height();
    source.svg->render(&painter, QRectF(-(area.x() - box.x()) * sx, -(area.y() - box.y()) * sy,
                                        box.width() * sx, box.height() * sy));
    return image;
}

QSize printedPixels(const SheetItemSize& note) {
    return {int(std::lround(note.Width / MillimetresPerInch * RenderDpi)),
            int(std::lround(note.Height / MillimetresPerInch * RenderDpi))};
}

// The cells as one JPEG grid of equal cells: at this size a PNG is tens of megabytes, slow to
// write and to read back, and the difference does not show on paper at 300 dots per inch.
QByteArray composeGrid(const std::array<QImage, 20>& cells) {
    QImage grid(2 * CellWidth, 10 * CellHeight, QImage::Format_RGB32);
    grid.fill(Qt::white);
    QPainter painter(&grid);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int k = 0; k < 20; ++k)
        painter.drawImage(QRect((k % 2) * CellWidth, (k / 2) * CellHeight, CellWidth, CellHeight),
                          cells[size_t(k)]);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(GridQuality);
    if (!writer.write(grid))
        return {};
    return bytes;
}

void fromTemplate(PreparedSet& set, const Source& source, const SizeTable& sizes,
                  const NoteTemplateLayout& layout) {
    std::array<QImage, 20> cells;
    const double scale = source.size().width() / layout.page.width();
    for (int k = 0; k < 20; ++k) {
        const QRectF mm = layout.cells[size_t(k)];
        const QRectF area(mm.topLeft() * scale, mm.size() * scale);
        const QString what = OwnSets::tr("%1 (template)").arg(noteName(k));
        checkCell(set, sizes, k, area.size(), !source.isVector(), what);
        cells[size_t(k)] = cut(source, area, printedPixels(noteSize(sizes, k)));
    }
    set.grid = composeGrid(cells);
    set.extension = QStringLiteral("jpg");
}

void fromGrid(PreparedSet& set, const QString& path, const SizeTable& sizes) {
    const std::optional<Source> source = readSource(set, path);
    if (!source)
        return;
    const NoteTemplateLayout layout = noteTemplateLayout(sizes);
    const double aspect = source->size().width() / source->size().height();
    const double templateAspect = layout.page.width() / layout.page.height();
    if (std::abs(aspect / templateAspect - 1) <= TemplateMatch) {
        fromTemplate(set, *source, sizes, layout);
        return;
    }
    const QSizeF cell(source->size().width() / 2, source->size().height() / 10);
    for (int k = 0; k < 20; ++k)
        checkCell(set, sizes, k, cell, !source->isVector(), noteName(k));
    set.grid = source->bytes;
    const QString suffix = QFileInfo(path).suffix().toLower();
    set.extension = suffix == QLatin1String("jpeg") ? QStringLiteral("jpg") : suffix;
}

void fromFolder(PreparedSet& set, const QString& path, const SizeTable& sizes) {
    static const QRegularExpression single(
        QStringLiteral("^(1|2|5|10|20|50|100|200|500|1000)-(front|back)\\.(png|jpe?g|svg)$"),
        QRegularExpression::CaseInsensitiveOption);
    std::array<QString, 20> files;
    QStringList passedOver;
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = single.match(name);
        if (!match.hasMatch()) {
            passedOver << name;
            continue;
        }
        const int value =
            int(std::find_if(Values.begin(), Values.end(),
                             [&](const char* v) { return match.captured(1) == QLatin1String(v); }) -
                Values.begin());
        const int k = 2 * value +
                      (match.captured(2).compare(QLatin1String("back"), Qt::CaseInsensitive) == 0);
        if (!files[size_t(k)].isEmpty()) {
            add(set, true,
                OwnSets::tr("two pictures for %1: %2 and %3")
                    .arg(noteName(k), files[size_t(k)], name));
            continue;
        }
        files[size_t(k)] = name;
    }
    QStringList missing;
    for (int k = 0; k < 20; k += 2)
        if (files[size_t(k)].isEmpty())
            missing << QStringLiteral("%1-front").arg(QLatin1String(Values[size_t(k / 2)]));
    if (!missing.isEmpty())
        add(set, true,
            OwnSets::tr("fronts missing in %1: %2").arg(path, missing.join(QStringLiteral(", "))));
    if (!passedOver.isEmpty())
        add(set, false,
            OwnSets::tr("passed over, not named <value>-front or <value>-back: %1")
                .arg(passedOver.join(QStringLiteral(", "))));

    std::array<QImage, 20> cells;
    for (int k = 0; k < 20; ++k) {
        const SheetItemSize& note = noteSize(sizes, k);
        if (files[size_t(k)].isEmpty()) {
            if (k % 2)
                cells[size_t(k)] =
                    plainBack(QLatin1String(Values[size_t(k / 2)]), QSize(CellWidth, CellHeight));
            continue;
        }
        const std::optional<Source> source = readSource(set, folder.filePath(files[size_t(k)]));
        if (!source)
            continue;
        checkCell(set, sizes, k, source->size(), !source->isVector(), files[size_t(k)]);
        cells[size_t(k)] = cut(*source, QRectF(QPointF(0, 0), source->size()), printedPixels(note));
    }
    if (set.stopped())
        return;
    set.grid = composeGrid(cells);
    set.extension = QStringLiteral("jpg");
}

} // namespace

bool PreparedSet::stopped() const {
    return std::any_of(findings.begin(), findings.end(),
                       [](const ImportFinding& f) { return f.stops; });
}

QStringList PreparedSet::errors() const {
    QStringList texts;
    for (const ImportFinding& f : findings)
        if (f.stops)
            texts << f.text;
    return texts;
}

QStringList PreparedSet::warnings() const {
    QStringList texts;
    for (const ImportFinding& f : findings)
        if (!f.stops)
            texts << f.text;
    return texts;
}

PreparedSet prepareOwnSet(const QString& source, const SizeTable& sizes) {
    PreparedSet set;
    const QFileInfo info(source);
    if (!info.exists())
        add(set, true, OwnSets::tr("%1 does not exist").arg(source));
    else if (info.isDir())
        fromFolder(set, source, sizes);
    else
        fromGrid(set, source, sizes);
    if (!set.stopped() && set.grid.isEmpty())
        add(set, true, OwnSets::tr("the set's grid could not be made"));
    if (set.stopped())
        set.grid.clear();
    return set;
}

} // namespace zavolin
