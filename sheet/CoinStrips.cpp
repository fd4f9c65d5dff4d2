#include "CoinStrips.h"

#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureLoader.h"
#include "resources/ProgramResources.h"

#include <QFile>
#include <array>
#include <memory>

namespace zavolin {
namespace {

std::shared_ptr<const Picture> loadStrip(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        raise(ErrNo::FileNotFound, QStringLiteral("The coin picture %1 is missing.").arg(path));
    return loadPicture(file.readAll());
}

} // namespace

const Picture& imgCoins(qint16 side) {
    if (side != 0 && side != 1)
        raise(ErrNo::SubscriptOutOfRange,
              QStringLiteral("There is no coin strip for side %1.").arg(side));
    static const std::array<std::shared_ptr<const Picture>, 2> strips = [] {
        initProgramResources();
        return std::array<std::shared_ptr<const Picture>, 2>{
            loadStrip(QStringLiteral(":/coins/coins-front.jpg")),
            loadStrip(QStringLiteral(":/coins/coins-back.jpg"))};
    }();
    return *strips[side];
}

} // namespace zavolin
