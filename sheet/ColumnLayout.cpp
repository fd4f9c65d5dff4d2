#include "ColumnLayout.h"

namespace zavolin {

QString columnLayoutText(ColumnLayout layout) {
    return layout == ColumnLayout::AsManyAsFit ? QStringLiteral("auto") : QStringLiteral("1");
}

ColumnLayout columnLayoutFromText(const QString& text) {
    return text.trimmed().compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0
               ? ColumnLayout::AsManyAsFit
               : ColumnLayout::One;
}

} // namespace zavolin
