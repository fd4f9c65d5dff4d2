#include "ShippedPictures.h"

#include "platform/pictures/SvgCheck.h"

#include <ShippedPictureDigests.h>

namespace zavolin {

QSet<QByteArray> shippedPictureDigests() {
    QSet<QByteArray> digests;
    for (const char* hex : ShippedPictureDigests)
        digests.insert(QByteArray::fromHex(hex));
    return digests;
}

void trustShippedPictures() {
    setKnownFitSvgDigests(shippedPictureDigests());
}

} // namespace zavolin
