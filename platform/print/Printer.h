#pragma once

#include "platform/base/Replaceable.h"
#include "platform/print/DrawingSurface.h"

#include <QColor>
#include <QString>

namespace zavolin {

enum class PrinterScaleMode { Twips, Millimetres };

// The system's default printer as a drawing surface. The document opens with the first
// output and is handed to the printer by endDoc(). Every failure raises a RuntimeError
// (PrinterError), never a silent empty print.
class Printer : public DrawingSurface, public Replaceable<Printer> {
public:
    // The drawing unit of scaleWidth(), scaleHeight() and the drawing operations.
    virtual PrinterScaleMode scaleMode() = 0;
    virtual void setScaleMode(PrinterScaleMode mode) = 0;

    // The paper's size in twips, whatever the drawing unit.
    virtual double widthTwips() = 0;
    virtual double heightTwips() = 0;
    // Distance from the paper's edge to the printable area, in device units.
    virtual int physicalOffsetX() = 0;
    virtual int physicalOffsetY() = 0;
    // The device's resolution in device units per millimetre.
    virtual double deviceUnitsPerMillimetre() = 0;

    // Copies of each page; setCopies raises InvalidPropertyValue for a refused value.
    virtual int copies() = 0;
    virtual void setCopies(int copies) = 0;

    virtual void setForeColor(const QColor& color) = 0;
    // Prints one line of text below the previous one in the printer's font, starting a new
    // page when the page is full.
    virtual void printLine(const QString& text) = 0;
    // Finishes the page and starts the next one of the same document.
    virtual void newPage() = 0;
    // Finishes the page and hands the job to the printer.
    virtual void endDoc() = 0;

    // The system's default printer (PRINTER names another queue); a built-in PDF printer when
    // the system has none.
    static Printer& real();
};

} // namespace zavolin
