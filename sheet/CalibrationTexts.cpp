#include "CalibrationTexts.h"

#include <QCoreApplication>
#include <QLocale>

namespace zavolin {
namespace {

struct CalibrationSheet {
    Q_DECLARE_TR_FUNCTIONS(CalibrationSheet)
};

// Numbers as the set dialog's fields show them, in the system's locale.
QString number(double value) {
    return QLocale().toString(value, 'f', 1);
}

QString millimetres(double value) {
    return CalibrationSheet::tr("%1 mm").arg(number(value));
}

// A word of the dialog, quoted as the language quotes.
QString quoted(const QString& word) {
    return CalibrationSheet::tr("\u201c%1\u201d").arg(word);
}

} // namespace

CalibrationTexts calibrationTexts(BackOffset printedWith) {
    // The dialog's own words, translated as the dialog translates them.
    const QString right = CalibrationSheet::tr("right");
    const QString down = CalibrationSheet::tr("down");
    // Readings for the example sums, against the offset's sign so that the sums stay within
    // the fields' range.
    const BackOffset read{printedWith.x > 0 ? -0.3 : 0.3, printedWith.y > 0 ? -0.6 : 0.6};
    CalibrationTexts texts;
    texts.title = CalibrationSheet::tr("Calibration sheet: where does the printer put the back?");
    texts.steps = {
        CalibrationSheet::tr("Hold this sheet against a window or a lamp, this side towards you. "
                             "The lines printed on the back show through."),
        CalibrationSheet::tr("Scale %1, whole millimetres: find the back's 0 (the line with the "
                             "triangle) and count how many of this side's lines it has passed, "
                             "starting from this side's 0. Right of 0 that number is positive, "
                             "left of 0 negative.")
            .arg(quoted(right)),
        CalibrationSheet::tr("Tenths: from the back's 0 look on in the same direction, away from "
                             "this side's 0. One of the back's lines 1 to 9 meets a line of this "
                             "side exactly: its number is the tenths (0 if the back's 0 itself "
                             "meets one). So 1 and line 4 \u2192 %1; on the left, 1 and line 7 "
                             "\u2192 %2, and 0 and line 3 \u2192 %3.")
            .arg(number(1.4), number(-1.7), number(-0.3)),
        CalibrationSheet::tr("Scale %1: read it the same way; above this side's 0 the number is "
                             "positive, below it negative.")
            .arg(quoted(down)),
        CalibrationSheet::tr("Where the set is printed, at %1, add the number read on the scale "
                             "%2 to the field %2 and the number read on the scale %3 to the "
                             "field %3.")
            .arg(quoted(CalibrationSheet::tr("Back offset:")), quoted(right), quoted(down)),
        CalibrationSheet::tr("This sheet was printed with %1 %2 and %3 %4. Reading %5 and %6, "
                             "for instance, you would enter %1 %7 and %3 %8. Print this sheet "
                             "again to check: each of the back's 0 then meets the 0 of its scale.")
            .arg(right, millimetres(printedWith.x), down, millimetres(printedWith.y),
                 number(read.x), number(read.y), millimetres(printedWith.x + read.x),
                 millimetres(printedWith.y + read.y)),
    };
    texts.example = CalibrationSheet::tr("Example: the back's 0 has passed 1 to the right and its "
                                         "line 4 meets a line: %1.")
                        .arg(number(1.4));
    texts.backNote = CalibrationSheet::tr("The back of the calibration sheet. Its numbers are "
                                          "mirrored so that they read right through the paper, "
                                          "from the other side.");
    texts.rightScale = CalibrationSheet::tr("Scale %1").arg(quoted(right));
    texts.downScale = CalibrationSheet::tr("Scale %1").arg(quoted(down));
    return texts;
}

} // namespace zavolin
