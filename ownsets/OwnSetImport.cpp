#include "OwnSetImport.h"

#include "ImportCells.h"
#include "PlainBack.h"
#include "ScanImport.h"
#include "ScannedPages.h"
#include "platform/base/RuntimeError.h"
#include "platform/base/ValueNames.h"
#include "platform/files/RegularFile.h"
#include "platform/pictures/SvgCheck.h"
#include "sheet/NoteTemplate.h"
#include "sheet/SetCounts.h"

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

// How close a picture's proportions come to the template's to be taken for it filled in.
constexpr double TemplateMatch = 0.005;
// Beyond this a picture is taken for no grid at all rather than one to be stretched.
constexpr double MostGridStretch = 0.25;

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
        addFinding(set, true, OwnSets::tr("%1 is not a PNG, JPEG or SVG picture").arg(path));
        return std::nullopt;
    }
    Source source;
    try {
        source.bytes = readRegularFile(path, MaxPictureFileBytes);
    } catch (const RuntimeError& e) {
        addFinding(set, true, OwnSets::tr("cannot read %1").arg(e.description()));
        return std::nullopt;
    }
    if (suffix == QLatin1String("svg")) {
        // What the SVG reader would fetch from elsewhere, or work on without end, is refused
        // before it reads the file.
        if (const QString why = svgRefusal(source.bytes); !why.isEmpty()) {
            addFinding(set, true,
                       OwnSets::tr("%1 cannot be read as an SVG picture").arg(path) +
                           QStringLiteral(": ") + why);
            return std::nullopt;
        }
        source.svg = std::make_shared<QSvgRenderer>(source.bytes);
        if (!source.svg->isValid() || source.svg->viewBoxF().isEmpty()) {
            addFinding(set, true, OwnSets::tr("%1 cannot be read as an SVG picture").arg(path));
            return std::nullopt;
        }
    } else if (!source.image.loadFromData(source.bytes)) {
        addFinding(set, true,
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
    const QSizeF gridCell(source->size().width() / 2, source->size().height() / 10);
    const SheetItemSize& first = noteSize(sizes, 0);
    const double gridStretch =
        std::abs((gridCell.width() / gridCell.height()) / (first.Width / first.Height) - 1);
    // A picture of other proportions may be a scan or photo of drawing pages.
    if (gridStretch > MostStretch && !source->isVector()) {
        PreparedSet scan;
        if (prepareFromScans(scan, path, {path}, sizes) > 0) {
            set = scan;
            return;
        }
    }
    const NoteTemplateLayout layout = noteTemplateLayout(sizes);
    const double aspect = source->size().width() / source->size().height();
    const double templateAspect = layout.page.width() / layout.page.height();
    if (std::abs(aspect / templateAspect - 1) <= TemplateMatch) {
        fromTemplate(set, *source, sizes, layout);
        return;
    }
    if (gridStretch > MostGridStretch) {
        addFinding(set, true,
                   OwnSets::tr("%1 holds no drawing page (no corner codes of the pages Zavolin "
                               "prints to draw on were found) and is no grid of 10 rows by 2 "
                               "pictures")
                       .arg(path));
        return;
    }
    const QSizeF cell(source->size().width() / 2, source->size().height() / 10);
    for (int k = 0; k < 20; ++k)
        checkCell(set, sizes, k, cell, !source->isVector(), noteName(k));
    set.grid = source->bytes;
    const QString suffix = QFileInfo(path).suffix().toLower();
    set.extension = suffix == QLatin1String("jpeg") ? QStringLiteral("jpg") : suffix;
}

// A picture of a folder named by its note: 20-front.png, 20-back.svg.
const QRegularExpression& singlePicture() {
    static const QRegularExpression single(
        QStringLiteral("^(1|2|5|10|20|50|100|200|500|1000)-(front|back)\\.(png|jpe?g|svg)$"),
        QRegularExpression::CaseInsensitiveOption);
    return single;
}

// Pictures that are read as grids or the template before they are looked at as scans.
bool readableAsGrid(const QString& path) {
    static const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("jpg"),
                                         QStringLiteral("jpeg")};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

void fromFolder(PreparedSet& set, const QString& path, const SizeTable& sizes) {
    const QRegularExpression& single = singlePicture();
    std::array<QString, 20> files;
    QStringList passedOver;
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = single.match(name);
        if (!match.hasMatch()) {
            passedOver << name;
            continue;
        }
        // The pattern takes the banknotes' names only: Denom 1 to 10.
        const int k = 2 * (*valueFromKey(match.captured(1)) - 1) +
                      (match.captured(2).compare(QLatin1String("back"), Qt::CaseInsensitive) == 0);
        if (!files[size_t(k)].isEmpty()) {
            addFinding(set, true,
                       OwnSets::tr("two pictures for %1: %2 and %3")
                           .arg(noteName(k), files[size_t(k)], name));
            continue;
        }
        files[size_t(k)] = name;
    }
    QStringList missing;
    for (int k = 0; k < 20; k += 2)
        if (files[size_t(k)].isEmpty())
            missing << QStringLiteral("%1-front").arg(valueName(qint16(k / 2 + 1)));
    if (!missing.isEmpty())
        addFinding(
            set, true,
            OwnSets::tr("fronts missing in %1: %2").arg(path, missing.join(QStringLiteral(", "))));
    if (!passedOver.isEmpty())
        addFinding(set, false,
                   OwnSets::tr("passed over, not named <value>-front or <value>-back: %1")
                       .arg(passedOver.join(QStringLiteral(", "))));

    std::array<QImage, 20> cells;
    for (int k = 0; k < 20; ++k) {
        const SheetItemSize& note = noteSize(sizes, k);
        if (files[size_t(k)].isEmpty()) {
            if (k % 2)
                cells[size_t(k)] =
                    plainBack(valueName(qint16(k / 2 + 1)), QSize(CellWidth, CellHeight));
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

// A folder of pictures named by their notes, or else of scans.
void fromFolderOrScans(PreparedSet& set, const QString& path, const SizeTable& sizes) {
    const QDir folder(path);
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    QStringList scans;
    for (const QString& name : names) {
        if (singlePicture().match(name).hasMatch()) {
            fromFolder(set, path, sizes);
            return;
        }
        if (isScanFile(name))
            scans << folder.filePath(name);
    }
    if (scans.isEmpty()) {
        fromFolder(set, path, sizes);
        return;
    }
    prepareFromScans(set, path, scans, sizes);
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
        addFinding(set, true, OwnSets::tr("%1 does not exist").arg(source));
    else if (info.isDir())
        fromFolderOrScans(set, source, sizes);
    else if (isScanFile(source) && !readableAsGrid(source))
        prepareFromScans(set, source, {source}, sizes);
    else
        fromGrid(set, source, sizes);
    if (!set.stopped() && set.grid.isEmpty())
        addFinding(set, true, OwnSets::tr("the set's grid could not be made"));
    if (set.stopped())
        set.grid.clear();
    return set;
}

} // namespace zavolin
