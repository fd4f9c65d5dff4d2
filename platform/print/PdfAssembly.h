#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace zavolin {

// A PDF document as SharedPdfDocument hands it to the PDF writer module
// (zavolin-pdfwriter.so), which assembles and writes it with libqpdf. The module, and the
// libraries qpdf brings, are loaded when a document is first written, not at every start.
struct PdfAssembly {
    // Qt's document of the pictures, one a page; empty when there is none.
    QByteArray qtPdf;
    // A picture: its page in Qt's document and the rectangle it was drawn into (points, from
    // the page's top left). It becomes form XObject formName(index).
    struct Form {
        int qtPage = 0;
        QRectF drawnPoints;
    };
    QList<Form> forms;
    // Content streams shared by pages, compressed by the module.
    QList<QByteArray> bodies;
    struct Page {
        QSizeF sizePoints;
        int body = 0;     // index into bodies
        QByteArray own;   // the page's own content, written as it is
        QList<int> forms; // the forms its content names
    };
    QList<Page> pages;
    QString path;
    QString title;
    QString creator;
};

// The name a form has in the content that places it: "/P3".
inline QByteArray formName(int form) {
    return "/P" + QByteArray::number(form);
}

// The module's one entry point, "zavolinWritePdf": writes the document to its path; false
// with `why` (qpdf's words) when it cannot.
using WritePdf = bool (*)(const PdfAssembly* document, QString* why);

inline constexpr char PdfWriterModule[] = "zavolin-pdfwriter.so";
inline constexpr char WritePdfSymbol[] = "zavolinWritePdf";

} // namespace zavolin
