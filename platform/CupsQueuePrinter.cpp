#include "CupsQueuePrinter.h"

#include "NewFile.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>

namespace zavolin {
namespace {

constexpr int SubmitTimeoutMs = 60000;
// CUPS's own limit (MaxCopies) unless the administrator lowered it; lp then refuses the job.
constexpr int CupsMaxCopies = 9999;

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

class CupsQueueSink : public DocumentSink {
public:
    CupsQueueSink(QString queue, QString media)
        : m_queue(std::move(queue))
        , m_media(std::move(media)) {}

    QString createDocumentFile() override {
        QString reason;
        // The temporary folder is shared: what is printed is for the user's eyes only.
        const QString file =
            createUniqueFile(QDir::tempPath(), QStringLiteral("zavolin-print-"),
                             QStringLiteral(".pdf"), &reason, PrivateFilePermissions);
        if (file.isEmpty())
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: no temporary file for the print job could be "
                                 "created in %1 (%2).")
                      .arg(QDir::tempPath(), reason));
        return file;
    }

    QString deliver(const QString& file, const QString& title, int copies) override {
        QProcess lp;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        lp.setProcessEnvironment(environment);
        QStringList arguments{QStringLiteral("-d"), m_queue,
                              QStringLiteral("-n"), QString::number(copies),
                              QStringLiteral("-t"), title};
        if (!m_media.isEmpty())
            arguments << QStringLiteral("-o") << QStringLiteral("media=") + m_media;
        // The page is laid out for this paper's printable area: print it at its true size.
        arguments << QStringLiteral("-o") << QStringLiteral("print-scaling=none");
        arguments << QStringLiteral("--") << file;
        lp.start(QStringLiteral("lp"), arguments);
        const bool started = lp.waitForStarted(SubmitTimeoutMs);
        const bool finished = started && lp.waitForFinished(SubmitTimeoutMs);
        if (started && !finished) {
            lp.kill();
            lp.waitForFinished(1000);
        }
        QFile::remove(file);
        const QString output = QString::fromLocal8Bit(lp.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        if (!started)
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the CUPS command lp could not be run (%1).")
                      .arg(lp.errorString()));
        if (!finished)
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the printer \"%1\" did not take the print job "
                                 "within %2 seconds.")
                      .arg(m_queue)
                      .arg(SubmitTimeoutMs / 1000));
        if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0)
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the printer \"%1\" refused the print job (%2).")
                      .arg(m_queue, errors.isEmpty() ? QStringLiteral("no reason given") : errors));
        static const QRegularExpression requestId(QStringLiteral("request id is (\\S+)"));
        const QRegularExpressionMatch match = requestId.match(output);
        return match.hasMatch() ? match.captured(1) : m_queue;
    }

    void discard(const QString& file) override { QFile::remove(file); }

private:
    QString m_queue;
    QString m_media;
};

} // namespace

PrinterPaper cupsQueuePaper(const QString& queue) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (info.isNull())
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: there is no printer \"%1\".").arg(queue));
    QPageSize pageSize = info.defaultPageSize();
    if (!pageSize.isValid())
        pageSize = QPageSize(QPageSize::A4);
    // The native printer knows the imageable area of each of the queue's page sizes.
    QPrinter device(info, QPrinter::HighResolution);
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageSize(pageSize);
    const QPageLayout layout = device.pageLayout();
    PrinterPaper paper;
    paper.pageSize = layout.pageSize();
    paper.unprintableMillimetres = toMillimetres(layout.minimumMargins(), layout.units());
    paper.maxCopies = CupsMaxCopies;
    return paper;
}

std::unique_ptr<QtPrinter> openCupsQueuePrinter(const QString& queue) {
    PrinterPaper paper = cupsQueuePaper(queue);
    const QString media = paper.pageSize.key();
    return std::make_unique<QtPrinter>(std::move(paper),
                                       std::make_unique<CupsQueueSink>(queue, media));
}

} // namespace zavolin
