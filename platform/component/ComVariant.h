#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

namespace zavolin {

// A picture as a component member hands it over: the bytes of one encoded image (PNG, JPEG
// or SVG), to be read with loadPicture.
struct PictureBytes {
    QByteArray bytes;
};

// A value passed to or returned from a member of a component object, late-bound.
using ComVariant =
    std::variant<std::monostate, qint16, qint32, double, bool, QString, PictureBytes>;

// The value converted to a string as a late-bound call converts it: text as it is, numbers as
// their shortest decimal text, a Boolean as "True" or "False", empty as "". A picture cannot
// be converted: TypeMismatch.
QString variantText(const ComVariant& value);

// What kind of value it is, for messages: "a string", "a picture", "nothing", ...
QString variantKind(const ComVariant& value);

} // namespace zavolin
