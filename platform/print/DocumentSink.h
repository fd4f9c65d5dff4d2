#pragma once

#include <QString>

namespace zavolin {

// Where a printed document goes once it is written as a PDF file: a print queue, a chosen
// file, a new file in the documents folder. Every failure raises RuntimeError(PrinterError).
class DocumentSink {
public:
    virtual ~DocumentSink() = default;
    // A new empty file the next document is written to.
    virtual QString createDocumentFile() = 0;
    // Hands the written file on and removes it from where it was written, also when handing it
    // on fails. Returns where the document went (a print job's id or a file's path).
    virtual QString deliver(const QString& file, const QString& title, int copies) = 0;
    // Removes a file createDocumentFile() gave for a document that was not finished.
    virtual void discard(const QString& file) = 0;
};

} // namespace zavolin
