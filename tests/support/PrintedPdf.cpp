#include "PrintedPdf.h"

#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace zavolin::test {
namespace {

bool jobPending(const QString& jobId) {
    const ProgramRun r =
        runProgram(QStringLiteral("lpstat"),
                   {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o")});
    const QStringList lines = r.output.split(QLatin1Char('\n'));
    return std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
        return line.section(QLatin1Char(' '), 0, 0) == jobId;
    });
}

QString jobFile(const QString& jobId, const QDateTime& since) {
    const QString number = jobId.section(QLatin1Char('-'), -1);
    const QDir folder(cups::outputFolder());
    const QStringList names = folder.entryList(
        {QStringLiteral("job_%1-*.pdf").arg(number), QStringLiteral("job_%1.pdf").arg(number)},
        QDir::Files);
    for (const QString& name : names) {
        const QFileInfo info(folder.filePath(name));
        if (!since.isValid() || info.lastModified() >= since)
            return info.absoluteFilePath();
    }
    return {};
}

// A binary 8-bit PGM as pdftoppm writes it. Read here, not by QImage, whose reader refuses
// pages above 128 MB of 32-bit pixels (an A4 page at 600 dpi).
QImage readPgm(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    static const QRegularExpression header(
        QStringLiteral("^P5\\s+(?:#[^\\n]*\\s+)*(\\d+)\\s+(\\d+)\\s+(\\d+)\\s"));
    const QRegularExpressionMatch m = header.match(QString::fromLatin1(data.left(256)));
    if (!m.hasMatch() || m.captured(3) != QStringLiteral("255"))
        return {};
    const int width = m.captured(1).toInt();
    const int height = m.captured(2).toInt();
    const qsizetype offset = m.capturedEnd(0);
    if (width <= 0 || height <= 0 || data.size() - offset < qsizetype(width) * height)
        return {};
    QImage image(width, height, QImage::Format_Grayscale8);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), data.constData() + offset + qsizetype(y) * width, width);
    return image;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

namespace cups {

QString outputFolder() {
    const QString configured = qEnvironmentVariable("ZAVOLIN_CUPS_PDF_DIR");
    return configured.isEmpty() ? QStringLiteral("/var/spool/cups-pdf/zavolin") : configured;
}

bool schedulerRunning() {
    const ProgramRun r =
        runProgram(QStringLiteral("lpstat"), {QStringLiteral("-r")}, plainEnvironment(), 10000);
    return r.exitCode == 0 && r.output.contains(QStringLiteral("scheduler is running"));
}

bool queueExists(const QString& queue) {
    return runProgram(QStringLiteral("lpstat"), {QStringLiteral("-p"), queue}, plainEnvironment(),
                      10000)
               .exitCode == 0;
}

} // namespace cups

QString waitForJobPdf(const QString& jobId, const QDateTime& since, std::chrono::milliseconds limit,
                      QString* why) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        // The file appears while cups-pdf still writes it; it is whole once the job is done.
        const bool pending = jobPending(jobId);
        const QString file = jobFile(jobId, since);
        if (!pending && !file.isEmpty())
            return file;
        if (std::chrono::steady_clock::now() >= deadline) {
            if (why)
                *why = pending ? QStringLiteral("job %1 is still waiting or printing").arg(jobId)
                               : QStringLiteral("job %1 ended without a PDF in %2 (see "
                                                "/var/log/cups/error_log)")
                                     .arg(jobId, cups::outputFolder());
            return {};
        }
        QThread::msleep(100);
    }
}

std::optional<QString> jobAttribute(const QString& jobId, const QString& name, QString* why) {
    const QString number = jobId.section(QLatin1Char('-'), -1);
    // ipptool finds its test files by name in CUPS's data folder; give the usual place first.
    const QString test = QStringLiteral("/usr/share/cups/ipptool/get-job-attributes.test");
    const ProgramRun r =
        runProgram(QStringLiteral("ipptool"),
                   {QStringLiteral("-tv"), QStringLiteral("ipp://localhost/jobs/") + number,
                    QFileInfo::exists(test) ? test : QStringLiteral("get-job-attributes.test")});
    // "    copies (integer) = 3"
    const QRegularExpression value(
        QStringLiteral("^\\s*%1 \\([^)]*\\) = (.*)$").arg(QRegularExpression::escape(name)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = value.match(r.output);
    if (!m.hasMatch()) {
        if (why)
            *why = QStringLiteral("ipptool (cups-ipp-utils) gave no %1 for job %2: %3 %4")
                       .arg(name, jobId, r.output.right(400), r.errors.trimmed());
        return std::nullopt;
    }
    return m.captured(1).trimmed();
}

std::optional<int> jobCopies(const QString& jobId, QString* why) {
    const std::optional<QString> copies = jobAttribute(jobId, QStringLiteral("copies"), why);
    bool ok = false;
    const int count = copies ? copies->toInt(&ok) : 0;
    if (copies && !ok && why)
        *why = QStringLiteral("job %1 has copies \"%2\", not a number").arg(jobId, *copies);
    return ok ? std::optional<int>(count) : std::nullopt;
}

int pdfPageCount(const QString& pdf) {
    const ProgramRun r = runProgram(QStringLiteral("pdfinfo"), {pdf});
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(r.output);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::optional<QSizeF> pdfPageSize(const QString& pdf, int page) {
    const ProgramRun r =
        runProgram(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QString::number(page),
                                               QStringLiteral("-l"), QString::number(page), pdf});
    static const QRegularExpression size(
        QStringLiteral("^Page\\s+\\d+\\s+size:\\s+([\\d.]+)\\s+x\\s+([\\d.]+)\\s+pts"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = size.match(r.output);
    if (r.exitCode != 0 || !m.hasMatch())
        return std::nullopt;
    constexpr double mmPerPoint = 25.4 / 72.0;
    return QSizeF(m.captured(1).toDouble() * mmPerPoint, m.captured(2).toDouble() * mmPerPoint);
}

QString pdfText(const QString& pdf) {
    return runProgram(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
        .output;
}

namespace {

// One page rendered by pdftoppm into a file in `dir` ("-gray" writes .pgm, "-png" .png);
// empty when pdftoppm fails.
QString renderedPage(const QTemporaryDir& dir, const QString& pdf, int page, int dpi,
                     const QString& format, const QString& suffix) {
    if (!dir.isValid())
        return {};
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const ProgramRun r =
        runProgram(QStringLiteral("pdftoppm"),
                   {format, QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                    QString::number(page), QStringLiteral("-l"), QString::number(page),
                    QStringLiteral("-singlefile"), pdf, prefix});
    return r.exitCode == 0 ? prefix + suffix : QString();
}

} // namespace

PageRaster PageRaster::render(const QString& pdf, int page, int dpi) {
    PageRaster raster;
    const QTemporaryDir dir;
    const QString file =
        renderedPage(dir, pdf, page, dpi, QStringLiteral("-gray"), QStringLiteral(".pgm"));
    if (file.isEmpty())
        return raster;
    raster.m_image = readPgm(file);
    raster.m_dpi = raster.m_image.isNull() ? 0 : dpi;
    return raster;
}

QImage renderInColour(const QString& pdf, int page, int dpi) {
    const QTemporaryDir dir;
    const QString file =
        renderedPage(dir, pdf, page, dpi, QStringLiteral("-png"), QStringLiteral(".png"));
    return file.isEmpty() ? QImage() : QImage(file);
}

PageRaster PageRaster::fromImage(const QImage& image, int dpi) {
    PageRaster raster;
    raster.m_image = image.convertToFormat(QImage::Format_Grayscale8);
    raster.m_dpi = raster.m_image.isNull() ? 0 : dpi;
    return raster;
}

QList<FoundLine> PageRaster::horizontalLines(int grey, double minLength) const {
    return findLines(true, grey, minLength);
}

QList<FoundLine> PageRaster::verticalLines(int grey, double minLength) const {
    return findLines(false, grey, minLength);
}

QList<FoundLine> PageRaster::findLines(bool horizontal, int grey, double minLength) const {
    QList<FoundLine> found;
    if (isNull() || grey >= 255)
        return found;
    const int alongSize = horizontal ? m_image.width() : m_image.height();
    const int acrossSize = horizontal ? m_image.height() : m_image.width();
    auto value = [&](int along, int across) -> int {
        const int x = horizontal ? along : across;
        const int y = horizontal ? across : along;
        return m_image.constScanLine(y)[x];
    };
    // Darker than the grey by more than this is something else (text, black lines).
    const int darkTolerance = 24;
    // How much of a pixel the line covers, judged from its grey against white paper.
    auto coverage = [&](int v) {
        if (v < grey - darkTolerance)
            return 0.0;
        return std::clamp((255.0 - v) / (255.0 - grey), 0.0, 1.0);
    };
    auto core = [&](int v) { return coverage(v) >= 0.5; };
    const int minRun = std::max(2, int(std::lround(minLength / millimetresPerPixel())));

    // Runs of core pixels in each row (or column), joined into bands across neighbouring rows.
    struct Band {
        int first = 0, last = 0;            // across, inclusive
        int start = 0, end = 0;             // along: union of the runs, end exclusive
        int commonStart = 0, commonEnd = 0; // along: where every row of the band has its run
    };
    QList<Band> open, closed;
    for (int across = 0; across < acrossSize; ++across) {
        QList<std::pair<int, int>> runs;
        int runStart = -1;
        int gap = 0;
        for (int along = 0; along <= alongSize; ++along) {
            const bool inLine = along < alongSize && core(value(along, across));
            if (inLine) {
                if (runStart < 0)
                    runStart = along;
                gap = 0;
            } else if (runStart >= 0) {
                // A one-pixel gap (a stray anti-aliased pixel) does not end a run.
                ++gap;
                if (gap > 1 || along >= alongSize) {
                    const int runEnd = along - gap + 1;
                    if (runEnd - runStart >= minRun)
                        runs.append({runStart, runEnd});
                    runStart = -1;
                    gap = 0;
                }
            }
        }
        QList<Band> stillOpen;
        for (Band& band : open) {
            auto match = std::find_if(runs.begin(), runs.end(), [&](const auto& r) {
                return r.first < band.end && r.second > band.start;
            });
            if (match == runs.end()) {
                closed.append(band);
                continue;
            }
            band.last = across;
            band.start = std::min(band.start, match->first);
            band.end = std::max(band.end, match->second);
            band.commonStart = std::max(band.commonStart, match->first);
            band.commonEnd = std::min(band.commonEnd, match->second);
            runs.erase(match);
            stillOpen.append(band);
        }
        for (const auto& r : runs)
            stillOpen.append({across, across, r.first, r.second, r.first, r.second});
        open = stillOpen;
    }
    closed.append(open);

    const double mmPerPixel = millimetresPerPixel();
    const int margin = 3; // pixels beside the band that anti-aliasing may reach
    for (const Band& band : closed) {
        const int from = std::max(0, band.first - margin);
        const int to = std::min(acrossSize - 1, band.last + margin);
        int alongFrom = band.commonStart, alongTo = band.commonEnd;
        if (alongTo - alongFrom < 3) {
            alongFrom = band.start;
            alongTo = band.end;
        }
        // Clean slices: white on both sides, so the anti-aliased rims count too. Where
        // something lies right beside the line (a picture it frames), only its core rows can.
        QList<double> centres, thicknesses, coreCentres, coreThicknesses;
        for (int along = alongFrom; along < alongTo; ++along) {
            double sum = 0, weighted = 0, coreSum = 0, coreWeighted = 0;
            bool dark = false;
            for (int across = from; across <= to; ++across) {
                const int v = value(along, across);
                const double c = coverage(v);
                const bool inCore = across >= band.first && across <= band.last;
                dark = dark || (inCore ? v < grey - darkTolerance : false);
                sum += c;
                weighted += c * (across + 0.5);
                if (inCore) {
                    coreSum += c;
                    coreWeighted += c * (across + 0.5);
                }
            }
            if (dark || coreSum <= 0)
                continue; // text or a black line across this slice
            coreCentres.append(coreWeighted / coreSum);
            coreThicknesses.append(coreSum);
            const bool touchedBefore =
                band.first - margin >= 0 && value(along, from) < 255 - (255 - grey) / 20;
            const bool touchedAfter =
                band.last + margin < acrossSize && value(along, to) < 255 - (255 - grey) / 20;
            if (!touchedBefore && !touchedAfter) {
                centres.append(weighted / sum);
                thicknesses.append(sum);
            }
        }
        if (centres.isEmpty()) {
            centres = coreCentres;
            thicknesses = coreThicknesses;
        }
        if (centres.isEmpty())
            continue;
        FoundLine line;
        line.across = median(centres) * mmPerPixel;
        line.thickness = median(thicknesses) * mmPerPixel;
        line.start = band.start * mmPerPixel;
        line.end = band.end * mmPerPixel;
        found.append(line);
    }
    std::sort(found.begin(), found.end(),
              [](const FoundLine& a, const FoundLine& b) { return a.across < b.across; });
    return found;
}

bool PageRaster::hasInkIn(const QRectF& area, int threshold) const {
    if (isNull())
        return false;
    const double perMm = 1.0 / millimetresPerPixel();
    const QRect pixels =
        QRect(QPoint(int(std::floor(area.left() * perMm)), int(std::floor(area.top() * perMm))),
              QPoint(int(std::ceil(area.right() * perMm)) - 1,
                     int(std::ceil(area.bottom() * perMm)) - 1))
            .intersected(m_image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const uchar* row = m_image.constScanLine(y);
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (row[x] < threshold)
                return true;
    }
    return false;
}

const FoundLine* nearestLine(const QList<FoundLine>& lines, double across, double tolerance) {
    const FoundLine* best = nullptr;
    for (const FoundLine& line : lines) {
        const double distance = std::abs(line.across - across);
        if (distance <= tolerance && (!best || distance < std::abs(best->across - across)))
            best = &line;
    }
    return best;
}

double differingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 1;
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    qint64 differing = 0;
    for (int y = 0; y < ga.height(); ++y) {
        const uchar* pa = ga.constScanLine(y);
        const uchar* pb = gb.constScanLine(y);
        for (int x = 0; x < ga.width(); ++x)
            differing += std::abs(int(pa[x]) - int(pb[x])) > 32;
    }
    return double(differing) / (double(ga.width()) * ga.height());
}

} // namespace zavolin::test
