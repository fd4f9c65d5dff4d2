#include "ComVariant.h"

#include "platform/base/RuntimeError.h"

namespace zavolin {

QString variantText(const ComVariant& value) {
    return std::visit(
        [](const auto& v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<T, QString>)
                return v;
            else if constexpr (std::is_same_v<T, bool>)
                return v ? QStringLiteral("True") : QStringLiteral("False");
            else if constexpr (std::is_same_v<T, double>)
                return QString::number(v, 'g', 15);
            else if constexpr (std::is_same_v<T, PictureBytes>)
                raise(ErrNo::TypeMismatch,
                      QStringLiteral("Type mismatch: a picture cannot be read as text."));
            else
                return QString::number(v);
        },
        value);
}

QString variantKind(const ComVariant& value) {
    switch (value.index()) {
    case 0:
        return QStringLiteral("nothing");
    case 1:
    case 2:
        return QStringLiteral("an integer");
    case 3:
        return QStringLiteral("a number");
    case 4:
        return QStringLiteral("a Boolean");
    case 5:
        return QStringLiteral("a string");
    default:
        return QStringLiteral("a picture");
    }
}

} // namespace zavolin
