#pragma once

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <chrono>
#include <optional>

namespace zavolin::test {

// The CUPS set-up tools/cups-setup.sh makes; change both together.
namespace cups {
inline constexpr char PdfQueue[] = "zavolin-pdf";             // A4 without unprintable edges
inline constexpr char MarginsQueue[] = "zavolin-margins";     // A4 with the edges below
inline constexpr char RejectingQueue[] = "zavolin-rejecting"; // refuses every job
inline constexpr char DuplexQueue[] = "zavolin-duplex";       // offers two-sided long edge
inline constexpr char PausedQueue[] = "zavolin-paused";       // stopped, still accepting jobs
inline constexpr double MarginsLeft = 12.0;                   // millimetres
inline constexpr double MarginsTop = 15.0;
inline constexpr double MarginsRight = 7.0;
inline constexpr double MarginsBottom = 9.0;

// Where cups-pdf writes the jobs: $ZAVOLIN_CUPS_PDF_DIR, else /var/spool/cups-pdf/zavolin.
QString outputFolder();
// Whether a CUPS scheduler answers (lpstat -r).
bool schedulerRunning();
// Whether the scheduler knows the queue.
bool queueExists(const QString& queue);
} // namespace cups

// Skips the current test, with the reason, when no CUPS scheduler runs here.
#define ZAVOLIN_SKIP_WITHOUT_CUPS()                                                                \
    do {                                                                                           \
        if (!::zavolin::test::cups::schedulerRunning())                                            \
            GTEST_SKIP() << "No CUPS scheduler is running (lpstat -r); run tools/cups-setup.sh "   \
                            "as root to print through CUPS.";                                      \
    } while (0)

// Waits until CUPS has finished the job (an id such as "zavolin-pdf-12", as lp reports it) and
// cups-pdf has written its PDF ("job_12-<title>.pdf" in the output folder), changed no earlier
// than since. Returns the path, or an empty string when the limit passes, with *why.
QString waitForJobPdf(const QString& jobId, const QDateTime& since,
                      std::chrono::milliseconds limit = std::chrono::seconds(60),
                      QString* why = nullptr);

// The value the scheduler holds for one of the job's IPP attributes ("sides", "copies"), as
// ipptool prints it; nullopt, with *why, when the job has no such attribute.
std::optional<QString> jobAttribute(const QString& jobId, const QString& name,
                                    QString* why = nullptr);
// The copies the scheduler holds for the job (its attribute "copies").
std::optional<int> jobCopies(const QString& jobId, QString* why = nullptr);

// Page count, page size (millimetres, from pdfinfo) and text (pdftotext) of a PDF file.
int pdfPageCount(const QString& pdf);
std::optional<QSizeF> pdfPageSize(const QString& pdf, int page = 1);
QString pdfText(const QString& pdf);

// A straight line found on a rendered page. Positions are millimetres on paper: across is the
// centre of the line's thickness, from the top edge for a horizontal line or from the left edge
// for a vertical one; start and end measure along it.
struct FoundLine {
    double across = 0;
    double start = 0;
    double end = 0;
    double thickness = 0;
    double length() const { return end - start; }
};

// The share of pixels of two renderings of one page whose grey differs by more than 32 levels:
// more than anti-aliasing moves; 1 when their sizes differ.
double differingShare(const QImage& a, const QImage& b);

// One page of a PDF rendered in colour by pdftoppm; null when it fails.
QImage renderInColour(const QString& pdf, int page, int dpi);

// One page of a PDF rendered in grey (pdftoppm) and searched for lines of one grey.
class PageRaster {
public:
    // Renders the page at dpi; isNull() when pdftoppm fails.
    static PageRaster render(const QString& pdf, int page = 1, int dpi = 600);
    // An image taken as a page rendered at dpi (converted to grey).
    static PageRaster fromImage(const QImage& image, int dpi);

    bool isNull() const { return m_image.isNull(); }
    int dpi() const { return m_dpi; }
    const QImage& image() const { return m_image; }
    double millimetresPerPixel() const { return 25.4 / m_dpi; }

    // Horizontal and vertical lines of the grey value (a line's thickness may be anti-aliased
    // against white) at least minLength millimetres long, in order of position. Each line's
    // position is the median, over its length, of the coverage-weighted centre of its
    // thickness, so crossings and text beside it do not pull it.
    QList<FoundLine> horizontalLines(int grey = 192, double minLength = 3.0) const;
    QList<FoundLine> verticalLines(int grey = 192, double minLength = 3.0) const;

    // Whether any pixel darker than the threshold lies in the rectangle (millimetres on paper).
    bool hasInkIn(const QRectF& area, int threshold = 128) const;

private:
    QList<FoundLine> findLines(bool horizontal, int grey, double minLength) const;

    QImage m_image;
    int m_dpi = 0;
};

// The line nearest to across; nullptr when there is none within tolerance.
const FoundLine* nearestLine(const QList<FoundLine>& lines, double across, double tolerance);

} // namespace zavolin::test
