#include "PluginState.h"

#include "plugins/AddPicture.h"
#include "plugins/CreatePicture.h"

#include <QImage>
#include <QPainter>

namespace zavolin::test {

void PluginStateTest::addPicture() {
    AddPicture(AppPath, lstFiles, cmbAuswahl);
}

void PluginStateTest::createPicture(int entry) {
    cmbAuswahl.setListIndex(entry);
    CreatePicture(lstFiles, cmbAuswahl, clpPics);
}

QColor centreColour(const Picture& picture) {
    QImage image(100, 52, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 100, 52));
    painter.end();
    return image.pixelColor(50, 26);
}

} // namespace zavolin::test
