#pragma once

#include "platform/print/Printer.h"

#include <QByteArray>

namespace zavolin::test {

// Sets an environment variable for the scope (a null value unsets it: libcups takes an empty
// LPDEST as naming a queue), then restores what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// A position on the printable area, in millimetres, where the test draws a line.
struct Mark {
    double at;
    double from;
    double to;
};

// Grey cut-line style marks the print tests draw and look for.
inline const Mark HorizontalMarks[] = {
    {10.0, 5.0, 150.0}, {50.5, 5.0, 150.0}, {180.25, 5.0, 150.0}};
inline const Mark VerticalMarks[] = {{20.0, 5.0, 250.0}, {60.5, 5.0, 250.0}, {120.75, 5.0, 250.0}};

// Draws the marks in grey (RGB 192) in millimetres.
void drawMarks(Printer& printer);

} // namespace zavolin::test
