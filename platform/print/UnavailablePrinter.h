#pragma once

#include "platform/print/Printer.h"

#include <QString>

namespace zavolin {

// A printer that cannot be used: every property and operation raises PrinterError with the
// reason, as a missing default printer does.
class UnavailablePrinter : public Printer {
public:
    explicit UnavailablePrinter(QString reason)
        : m_reason(std::move(reason)) {}

    double scaleWidth() override { fail(); }
    double scaleHeight() override { fail(); }
    void line(double, double, double, double) override { fail(); }
    void paintPicture(const Picture&, double, double, double, double) override { fail(); }
    PrinterScaleMode scaleMode() override { fail(); }
    void setScaleMode(PrinterScaleMode) override { fail(); }
    double widthTwips() override { fail(); }
    double heightTwips() override { fail(); }
    int physicalOffsetX() override { fail(); }
    int physicalOffsetY() override { fail(); }
    double deviceUnitsPerMillimetre() override { fail(); }
    int copies() override { fail(); }
    void setCopies(int) override { fail(); }
    void setForeColor(const QColor&) override { fail(); }
    void printLine(const QString&) override { fail(); }
    void newPage() override { fail(); }
    void endDoc() override { fail(); }

private:
    [[noreturn]] void fail() const;

    QString m_reason;
};

} // namespace zavolin
