#pragma once

#include "platform/print/DocumentSink.h"
#include "platform/print/Printer.h"
#include "platform/print/PrinterPaper.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QTransform>
#include <memory>

class QPainter;
class QPrinter;

namespace zavolin {

class SharedPdfDocument;

// How the PDF a QtPrinter hands on is written.
enum class PdfWriter {
    // Each distinct picture drawn once and placed wherever it recurs; copies of a page share
    // its content (SharedPdfDocument).
    SharedPictures,
    // Everything painted by Qt on every page, as the pages were drawn.
    PaintedByQt,
};

// A printer drawn with QPainter on a QPrinter (high resolution) that writes PDF: the document
// opens with the first output, goes to its sink on endDoc(), and the painter's origin is the
// top left of the paper's printable area.
//
// The printable area is placed by this class, not by QPrinter's page margins: Qt rounds those
// to whole points (a 15 mm edge would print 0.17 mm off), so the page is painted full size and
// the origin moved by the exact edge.
class QtPrinter : public Printer {
public:
    QtPrinter(PrinterPaper paper, std::unique_ptr<DocumentSink> sink);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    double scaleWidth() override;
    double scaleHeight() override;
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void paintFootnote(const Picture& picture, double x, double y, double width,
                       double height) override;

    PrinterScaleMode scaleMode() override { return m_scaleMode; }
    void setScaleMode(PrinterScaleMode mode) override { m_scaleMode = mode; }
    double widthTwips() override;
    double heightTwips() override;
    int physicalOffsetX() override;
    int physicalOffsetY() override;
    double deviceUnitsPerMillimetre() override;
    int copies() override { return m_copies; }
    void setCopies(int copies) override;
    void setForeColor(const QColor& color) override { m_foreColor = color; }
    void printLine(const QString& text) override;
    void newPage() override;
    void endDoc() override;

    // The title the document is handed on with; the program's title unless set.
    void setDocumentName(const QString& name) { m_documentName = name; }
    // Where the last finished document went (a print job's id or a file's path).
    const QString& lastDelivery() const { return m_lastDelivery; }
    const PrinterPaper& paper() const { return m_paper; }
    bool documentOpen() const;
    // How the next document is written; SharedPictures unless set.
    void setPdfWriter(PdfWriter writer) { m_pdfWriter = writer; }
    PdfWriter pdfWriter() const { return m_pdfWriter; }

private:
    QSizeF paperMillimetres() const;
    QSizeF printableMillimetres() const;
    double unitsPerMillimetre() const;
    QTransform drawingTransform() const;
    // From the drawing unit to millimetres on the paper.
    QTransform paperTransform() const;
    QRectF printableRectMillimetres() const;
    QRect printableDeviceRect() const;
    void ensureDocument();
    // Starts the next page; abandons the document when the printer cannot.
    void startNextPage();
    void preparePage();
    void abandonDocument();
    void placePicture(const Picture& picture, double x, double y, double width, double height,
                      bool pageOwn);

    // The QPrinter, made when Qt first paints or measures on it: making one asks the print
    // system for its default printer, which would cost every start tens of milliseconds.
    QPrinter& device();

    PrinterPaper m_paper;
    std::unique_ptr<DocumentSink> m_sink;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    PdfWriter m_pdfWriter = PdfWriter::SharedPictures;
    // The open document when written with shared pictures.
    std::unique_ptr<SharedPdfDocument> m_shared;
    PrinterScaleMode m_scaleMode = PrinterScaleMode::Twips;
    int m_copies = 1;
    QColor m_foreColor = Qt::black;
    QFont m_textFont;
    QString m_documentName;
    QString m_documentFile;
    QString m_lastDelivery;
    double m_textY = 0; // device units below the printable area's top
};

} // namespace zavolin
