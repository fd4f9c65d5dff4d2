#include "BackOffsetText.h"

#include <QRegularExpression>
#include <cmath>

namespace zavolin {

QString backOffsetText(BackOffset offset) {
    return QStringLiteral("%1,%2").arg(offset.x, 0, 'f', 1).arg(offset.y, 0, 'f', 1);
}

std::optional<BackOffset> parseBackOffset(const QString& text) {
    static const QRegularExpression pair(QStringLiteral(
        "^\\s*([+-]?[0-9]{1,2}(?:\\.[0-9])?)\\s*,\\s*([+-]?[0-9]{1,2}(?:\\.[0-9])?)\\s*$"));
    const QRegularExpressionMatch match = pair.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const BackOffset offset{match.captured(1).toDouble(), match.captured(2).toDouble()};
    if (std::abs(offset.x) > BackOffset::Limit || std::abs(offset.y) > BackOffset::Limit)
        return std::nullopt;
    return offset;
}

} // namespace zavolin
