#include "PdfFilePrinter.h"

#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"

#include <QFile>
#include <QFileInfo>

namespace zavolin {
namespace {

constexpr double EdgeMillimetres = 5.0;

class PdfFileSink : public DocumentSink {
public:
    explicit PdfFileSink(const QString& target)
        : m_target(QFileInfo(target).absoluteFilePath()) {}

    QString createDocumentFile() override {
        const QFileInfo target(m_target);
        const QString folder = target.absolutePath();
        if (!QFileInfo(folder).isDir())
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the folder %1 for the PDF file does not exist.")
                      .arg(folder));
        // A link there is replaced, not followed: only a folder of its own is one.
        if (target.isDir() && !target.isSymLink())
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: %1 is a folder, not a PDF file.").arg(m_target));
        return rephrased(
            ErrNo::PrinterError,
            [&](const QString& why) {
                return QStringLiteral("Printer error: the PDF file %1 cannot be written (%2).")
                    .arg(m_target, why);
            },
            [&] { return createReplacementFile(m_target); });
    }

    QString deliver(const QString& file, const QString&, int) override {
        rephrased(
            ErrNo::PrinterError,
            [&](const QString& why) {
                return QStringLiteral("Printer error: the PDF file %1 could not be written (%2).")
                    .arg(m_target, why);
            },
            [&] { commitReplacement(file, m_target); });
        return m_target;
    }

    void discard(const QString& file) override { QFile::remove(file); }

private:
    QString m_target;
};

} // namespace

PrinterPaper pdfPrinterPaper(PdfPaper paper) {
    PrinterPaper result;
    result.pageSize = QPageSize(pageSizeId(paper));
    result.unprintableMillimetres =
        QMarginsF(EdgeMillimetres, EdgeMillimetres, EdgeMillimetres, EdgeMillimetres);
    return result;
}

std::unique_ptr<QtPrinter> openPdfFilePrinter(const QString& target, PdfPaper paper) {
    return std::make_unique<QtPrinter>(pdfPrinterPaper(paper),
                                       std::make_unique<PdfFileSink>(target));
}

} // namespace zavolin
