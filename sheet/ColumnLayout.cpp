#include "ColumnLayout.h"

namespace zavolin {

QString columnLayoutText(ColumnLayout layout) {
    return layout == ColumnLayout::AsManyAsFit ? QStringLiteral("auto") : QStringLiteral("1");
}

std::optional<ColumnLayout> columnLayoutNamed(const QString& text) {
    if (text.trimmed() == QLatin1String("1"))
        return ColumnLayout::One;
    if (text.trimmed().compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0)
        return ColumnLayout::AsManyAsFit;
    return std::nullopt;
}

ColumnLayout columnLayoutFromText(const QString& text) {
    return columnLayoutNamed(text).value_or(ColumnLayout::One);
}

} // namespace zavolin
