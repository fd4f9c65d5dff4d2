#pragma once

#include "platform/base/RuntimeError.h"
#include "platform/base/Units.h"
#include "platform/print/Printer.h"

#include <QColor>
#include <QStringList>

namespace zavolin::test {

// A printer of given paper, printable area and offsets that draws nothing. With `failing`
// set, every property read or write and every output raises a printer error.
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

protected:
    void check() const {
        if (failing)
            raise(ErrNo::PrinterError, QStringLiteral("Printer error: no printer."));
    }

private:
    double inUnit(double mm) const {
        return mode == PrinterScaleMode::Millimetres ? mm : mm * TwipsPerMillimetre;
    }
};

// A FakePrinter that keeps a copy count (refusing anything below 1) and records the job: the
// calls in order, the text lines, the lines and pictures drawn and the documents handed over.
// Drawing never fails; everything else fails with `failing` set.
class RecordingPrinter : public FakePrinter {
public:
    int count = 1;
    // The copy count when the document was last handed over, -1 before.
    int countAtEndDoc = -1;
    // "copies 2", "colour #c0c0c0", "line 'text'", "newPage", "endDoc".
    QStringList calls;
    QStringList textLines;
    int linesDrawn = 0;
    int pictures = 0;
    int endDocs = 0;

    int copies() override {
        check();
        return count;
    }
    void setCopies(int n) override {
        check();
        if (n < 1)
            raise(ErrNo::InvalidPropertyValue, QStringLiteral("Invalid property value."));
        count = n;
        calls << QStringLiteral("copies %1").arg(n);
    }
    void setForeColor(const QColor& c) override {
        check();
        calls << QStringLiteral("colour ") + c.name();
    }
    void printLine(const QString& text) override {
        check();
        textLines << text;
        calls << QStringLiteral("line '%1'").arg(text);
    }
    void newPage() override {
        check();
        calls << QStringLiteral("newPage");
    }
    void endDoc() override {
        check();
        countAtEndDoc = count;
        ++endDocs;
        calls << QStringLiteral("endDoc");
    }
    void line(double, double, double, double) override { ++linesDrawn; }
    void paintPicture(const Picture&, double, double, double, double) override { ++pictures; }
};

} // namespace zavolin::test
