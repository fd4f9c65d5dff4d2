#include "SetTexts.h"

#include "platform/base/ValueNames.h"

#include <QCoreApplication>
#include <QLocale>

namespace zavolin {
namespace {

struct SetTexts {
    Q_DECLARE_TR_FUNCTIONS(SetTexts)
};

// As the set dialog's fields show them, in the system's locale.
QString millimetres(double value) {
    return QLocale().toString(value, 'f', 1);
}

} // namespace

QString setValueName(qint16 Denom) {
    if (Denom >= 1 && Denom <= 10)
        return valueName(Denom);
    return SetTexts::tr("coins");
}

QString setValueLabel(qint16 Denom) {
    return Denom == 0 ? SetTexts::tr("Coins") : setValueName(Denom);
}

QString setFootnote(qint16 Denom, qint16 Side, qsizetype n, qsizetype m) {
    QString line =
        QStringLiteral("%1 \u00b7 %2 \u00b7 %3")
            .arg(setValueName(Denom), Side == 0 ? SetTexts::tr("front") : SetTexts::tr("back"),
                 SetTexts::tr("page %1 of %2").arg(n).arg(m));
    if (Side == 0)
        line += QStringLiteral(" \u00b7 ") + SetTexts::tr("print at 100 %, flip on the long edge");
    return line;
}

QString calibrationInstruction(double backOffsetX, double backOffsetY) {
    return SetTexts::tr("Calibration sheet \u00b7 printed with the back offset right %1 mm, down "
                        "%2 mm")
        .arg(millimetres(backOffsetX), millimetres(backOffsetY));
}

QString turnOverInstruction() {
    return SetTexts::tr("The fronts have gone to the printer. When all of them are printed, take "
                        "the stack out without changing its order, turn it over about its long "
                        "edge so that the top edge stays at the top, and put it back into the "
                        "paper tray so that the first sheet is fed first and its blank side is "
                        "printed.");
}

} // namespace zavolin
