#pragma once

#include "PageRequest.h"

#include <QString>
#include <QStringList>

namespace zavolin {

// What the calibration sheet says, in the language of the translations in use: how to hold it
// to the light, read its scales and enter the numbers, with the dialog's own words and the
// back offset the sheet was printed with.
struct CalibrationTexts {
    QString title;
    QStringList steps;
    QString example;    // beside the example of a reading
    QString backNote;   // on the back, saying what it is
    QString rightScale; // the caption of the scale for the field "right"
    QString downScale;
};

CalibrationTexts calibrationTexts(BackOffset printedWith);

} // namespace zavolin
