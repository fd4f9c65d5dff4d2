#include "PdfFallbackPrinter.h"

#include "platform/base/Clock.h"
#include "platform/base/ProgramInfo.h"
#include "platform/base/RuntimeError.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/files/NewFile.h"
#include "platform/print/PdfFilePrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zavolin {
namespace {

// Past this many printouts in one second something is wrong with the folder.
constexpr int MaxNumberedNames = 1000;

QString candidate(const QString& folder, const QString& stem, int number) {
    const QString suffix = number > 1 ? QStringLiteral("-%1").arg(number) : QString();
    return folder + QLatin1Char('/') + stem + suffix + QStringLiteral(".pdf");
}

QString stemFor(const QString& title, const QDateTime& time) {
    return title + QLatin1Char('-') + time.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
}

QString documentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder;
}

class DocumentsFolderSink : public DocumentSink {
public:
    explicit DocumentsFolderSink(QString folder)
        : m_folder(std::move(folder)) {}

    QString createDocumentFile() override {
        const QString folder = this->folder();
        if (!QDir().mkpath(folder))
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: there is no printer, and the folder %1 for the "
                                 "printout as a PDF file cannot be created.")
                      .arg(folder));
        return rephrased(
            ErrNo::PrinterError,
            [&](const QString& why) {
                return QStringLiteral("Printer error: there is no printer, and the printout "
                                      "cannot be saved as a PDF file in %1 (%2).")
                    .arg(folder, why);
            },
            [&] {
                return createUniqueFile(folder,
                                        QLatin1Char('.') + programInfo().title + QLatin1Char('-'),
                                        QStringLiteral(".part"));
            });
    }

    QString deliver(const QString& file, const QString&, int) override {
        const QString path = placePrintout(file, QFileInfo(file).absolutePath(),
                                           programInfo().title, Clock::current().now());
        MessageBoxes::current().inform(nullptr, printoutSavedMessage(path));
        return path;
    }

    void discard(const QString& file) override { QFile::remove(file); }

private:
    QString folder() const { return m_folder.isEmpty() ? documentsFolder() : m_folder; }

    QString m_folder;
};

} // namespace

QString placePrintout(const QString& file, const QString& folder, const QString& title,
                      const QDateTime& time) {
    const QString stem = stemFor(title, time);
    QString reason;
    for (int number = 1; number <= MaxNumberedNames; ++number) {
        const QString path = candidate(folder, stem, number);
        // Claim the name first: creating it fails when anything is there, so nothing is ever
        // replaced but the empty file claimed here.
        try {
            createNewFile(path);
        } catch (const RuntimeError& e) {
            if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
                continue;
            reason = e.description();
            break;
        }
        try {
            moveReplacing(file, path);
            return path;
        } catch (const RuntimeError& e) {
            reason = e.description();
            QFile::remove(path);
            break;
        }
    }
    QFile::remove(file);
    raise(ErrNo::PrinterError,
          QStringLiteral("Printer error: the printout could not be saved as a PDF file in %1 (%2).")
              .arg(folder, reason.isEmpty() ? QStringLiteral("no free file name") : reason));
}

QString printoutSavedMessage(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return QStringLiteral("Es ist kein Drucker eingerichtet. Der Ausdruck wurde als PDF-Datei "
                          "gespeichert:\n%1\n\nNo printer is set up. The printout was saved as "
                          "a PDF file:\n%1")
        .arg(native);
}

std::unique_ptr<QtPrinter> openPdfFallbackPrinter(const QString& folder) {
    return std::make_unique<QtPrinter>(pdfPrinterPaper(PdfPaper::A4),
                                       std::make_unique<DocumentsFolderSink>(folder));
}

} // namespace zavolin
