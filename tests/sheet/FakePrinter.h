#pragma once

#include "platform/Printer.h"
#include "platform/RuntimeError.h"
#include "platform/Units.h"

namespace zavolin::test {

// A printer of given paper, printable area and offsets that draws nothing. With `failing`
// set, every property read or write raises a printer error.
class FakePrinter : public Printer {
public:
    // A4 at 300 dpi with 5 mm offsets: printable 203.2 × 287 mm.
    double paperWidthMm = 210;
    double paperHeightMm = 297;
    double printableWidthMm = 203.2;
    double printableHeightMm = 287;
    int offsetX = 59;
    int offsetY = 59;
    double dpi = 300;
    PrinterScaleMode mode = PrinterScaleMode::Twips;
    bool failing = false;

    PrinterScaleMode scaleMode() override {
        check();
        return mode;
    }
    void setScaleMode(PrinterScaleMode m) override {
        check();
        mode = m;
    }
    double widthTwips() override { return check(), paperWidthMm * TwipsPerMillimetre; }
    double heightTwips() override { return check(), paperHeightMm * TwipsPerMillimetre; }
    int physicalOffsetX() override { return check(), offsetX; }
    int physicalOffsetY() override { return check(), offsetY; }
    double deviceUnitsPerMillimetre() override { return check(), dpi / MillimetresPerInch; }
    double scaleWidth() override { return check(), inUnit(printableWidthMm); }
    double scaleHeight() override { return check(), inUnit(printableHeightMm); }
    int copies() override { return check(), 1; }
    void setCopies(int) override { check(); }
    void setForeColor(const QColor&) override { check(); }
    void printLine(const QString&) override { check(); }
    void newPage() override { check(); }
    void endDoc() override { check(); }
    void line(double, double, double, double) override { check(); }
    void paintPicture(const Picture&, double, double, double, double) override { check(); }

private:
    void check() {
        if (failing)
            raise(ErrNo::PrinterError, QStringLiteral("Printer error: no printer."));
    }
    double inUnit(double mm) const {
        return mode == PrinterScaleMode::Millimetres ? mm : mm * TwipsPerMillimetre;
    }
};

} // namespace zavolin::test
