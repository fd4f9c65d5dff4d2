#include "CupsQueuePrinter.h"

#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"
#include "platform/print/CupsDestination.h"
#include "platform/print/CupsQueue.h"
#include "platform/print/PrinterProblems.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>

namespace zavolin {
namespace {

// CUPS's own limit (MaxCopies) unless the administrator lowered it; the scheduler then refuses
// the job.
constexpr int CupsMaxCopies = 9999;
constexpr qint64 SendChunkBytes = 64 * 1024;

QMarginsF toMillimetres(const QMarginsF& margins, QPageLayout::Unit unit) {
    switch (unit) {
    case QPageLayout::Millimeter:
        return margins;
    case QPageLayout::Point:
        return margins * (25.4 / 72.0);
    case QPageLayout::Inch:
        return margins * 25.4;
    default:
        break;
    }
    // Rare units: Qt's own conversion, rounded to 0.01 mm.
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, margins, unit);
    return layout.margins(QPageLayout::Millimeter);
}

// Frees the options a job was created with.
class JobOptionList {
public:
    JobOptionList() = default;
    ~JobOptionList() {
        if (m_options)
            libcups().cupsFreeOptions(m_count, m_options);
    }
    JobOptionList(const JobOptionList&) = delete;
    JobOptionList& operator=(const JobOptionList&) = delete;

    void add(const char* name, const char* value) {
        m_count = libcups().cupsAddOption(name, value, m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

class CupsQueueSink : public DocumentSink {
public:
    CupsQueueSink(QString queue, QString media, CupsJobOptions options)
        : m_queue(std::move(queue))
        , m_media(std::move(media))
        , m_options(options) {}

    QString createDocumentFile() override {
        // The temporary folder is shared: what is printed is for the user's eyes only.
        return rephrased(
            ErrNo::PrinterError,
            [](const QString& why) {
                return QStringLiteral("Printer error: no temporary file for the print job could "
                                      "be created in %1 (%2).")
                    .arg(QDir::tempPath(), why);
            },
            [] {
                return createUniqueFile(QDir::tempPath(), QStringLiteral("zavolin-print-"),
                                        QStringLiteral(".pdf"), PrivateFilePermissions);
            });
    }

    QString deliver(const QString& file, const QString& title, int copies) override {
        const auto removeFile = qScopeGuard([&file] { QFile::remove(file); });
        // A paused queue would hold the job unprinted: say so before anything is sent.
        requireQueueTakesJobs(m_queue);
        QFile document(file);
        if (!document.open(QIODevice::ReadOnly))
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the document for the printer \"%1\" could not be "
                                 "read back from %2 (%3).")
                      .arg(m_queue, file, document.errorString()));

        CupsDestination destination(m_queue);
        cups_dinfo_t* info = destination.info();
        JobOptionList options;
        addJobOptions(options, copies);
        int jobId = 0;
        if (!ippSucceeded(libcups().cupsCreateDestJob(destination.http(), destination.dest(), info,
                                                      &jobId, title.toUtf8().constData(),
                                                      options.count(), options.options())))
            raise(ErrNo::PrinterError, printerRefusedText(m_queue, CupsDestination::lastError()));
        const QString problem = send(destination, jobId, document, title);
        if (!problem.isEmpty()) {
            // A job without its document would wait in the queue until the scheduler drops it.
            libcups().cupsCancelDestJob(destination.http(), destination.dest(), jobId);
            raise(ErrNo::PrinterError, problem);
        }
        // As lp reports a job: the queue and the job's number.
        return QStringLiteral("%1-%2").arg(m_queue).arg(jobId);
    }

    void discard(const QString& file) override { QFile::remove(file); }

private:
    void addJobOptions(JobOptionList& options, int copies) const {
        options.add(CUPS_COPIES, QByteArray::number(copies).constData());
        // Each copy comes out as the whole sequence of sheets, not each sheet n times.
        if (copies > 1 && m_options.collatedCopies)
            options.add("multiple-document-handling", "separate-documents-collated-copies");
        if (!m_media.isEmpty())
            options.add(CUPS_MEDIA, m_media.toUtf8().constData());
        // The page is laid out for this paper's printable area: print it at its true size.
        options.add("print-scaling", "none");
        switch (m_options.sides) {
        case JobSides::QueueDefault:
            break;
        case JobSides::OneSided:
            options.add(CUPS_SIDES, CUPS_SIDES_ONE_SIDED);
            break;
        case JobSides::TwoSidedLongEdge:
            options.add(CUPS_SIDES, CUPS_SIDES_TWO_SIDED_PORTRAIT);
            break;
        }
    }

    // Streams the document into the job; empty when the scheduler took it, else the message.
    QString send(CupsDestination& destination, int jobId, QFile& document,
                 const QString& title) const {
        http_t* http = destination.http();
        if (libcups().cupsStartDestDocument(http, destination.dest(), destination.info(), jobId,
                                            title.toUtf8().constData(), CUPS_FORMAT_PDF, 0, nullptr,
                                            1) != HTTP_STATUS_CONTINUE)
            return QStringLiteral("Printer error: the print job could not be sent to the printer "
                                  "\"%1\" (%2).")
                .arg(m_queue, CupsDestination::lastError());
        QString readError;
        QString writeError;
        QByteArray chunk(SendChunkBytes, Qt::Uninitialized);
        for (;;) {
            const qint64 read = document.read(chunk.data(), chunk.size());
            if (read < 0)
                readError = document.errorString();
            if (read <= 0)
                break;
            if (libcups().cupsWriteRequestData(http, chunk.constData(), size_t(read)) !=
                HTTP_STATUS_CONTINUE) {
                writeError = CupsDestination::lastError();
                break;
            }
        }
        // Finishing reads the scheduler's answer, also after a failed write.
        const ipp_status_t status =
            libcups().cupsFinishDestDocument(http, destination.dest(), destination.info());
        if (!readError.isEmpty())
            return QStringLiteral("Printer error: the document for the printer \"%1\" could "
                                  "not be read (%2).")
                .arg(m_queue, readError);
        if (!writeError.isEmpty())
            return QStringLiteral("Printer error: the print job could not be sent to the printer "
                                  "\"%1\" (%2).")
                .arg(m_queue, writeError);
        if (!ippSucceeded(status))
            return printerRefusedText(m_queue, CupsDestination::lastError());
        return {};
    }

    QString m_queue;
    QString m_media;
    CupsJobOptions m_options;
};

} // namespace

PrinterPaper cupsQueuePaper(const QString& queue, std::optional<StandardPaper> paper) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (info.isNull())
        raise(ErrNo::PrinterError, printerMissingText(queue));
    QPageSize pageSize = paper ? QPageSize(pageSizeId(*paper)) : info.defaultPageSize();
    if (!pageSize.isValid())
        pageSize = QPageSize(QPageSize::A4);
    // The native printer knows the imageable area of each of the queue's page sizes.
    QPrinter device(info, QPrinter::HighResolution);
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageSize(pageSize);
    const QPageLayout layout = device.pageLayout();
    PrinterPaper result;
    result.pageSize = layout.pageSize();
    result.unprintableMillimetres = toMillimetres(layout.minimumMargins(), layout.units());
    result.maxCopies = CupsMaxCopies;
    return result;
}

std::unique_ptr<QtPrinter> openCupsQueuePrinter(const QString& queue, CupsJobOptions options) {
    PrinterPaper paper = cupsQueuePaper(queue, options.paper);
    const QString media = paper.pageSize.key();
    return std::make_unique<QtPrinter>(std::move(paper),
                                       std::make_unique<CupsQueueSink>(queue, media, options));
}

std::optional<CupsJob> cupsJobOf(const QString& delivery) {
    const qsizetype dash = delivery.lastIndexOf(QLatin1Char('-'));
    if (dash <= 0 || delivery.contains(QLatin1Char('/')))
        return std::nullopt;
    bool number = false;
    const int id = QStringView(delivery).mid(dash + 1).toInt(&number);
    if (!number || id <= 0)
        return std::nullopt;
    return CupsJob{delivery.left(dash), id};
}

} // namespace zavolin
