// A plug-in's picture bytes as the program takes them: loaded, drawn, and a vector set split
// into the documents of its cells, each loaded and drawn as a cell is.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "platform/base/RuntimeError.h"
#include "platform/pictures/PictureClip.h"
#include "platform/pictures/PictureLoader.h"
#include "platform/pictures/SvgParts.h"
#include "platform/pictures/VectorPicture.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace zavolin::fuzz {
namespace {

// Small: the drawing code is what is tried, not the pixels' number.
void draw(const Picture& picture) {
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 24, 16));
}

void splitCells(const QByteArray& bytes, const QRectF& source) {
    const std::unique_ptr<SvgParts> parts = SvgParts::read(bytes);
    if (!parts)
        return;
    for (int k = 0; k < PictureClip::CellCount; ++k) {
        const QRectF cell = PictureClip::cellRect(source.size(), k).translated(source.topLeft());
        const QByteArray document = parts->partDocument(cell);
        auto renderer = std::make_shared<QSvgRenderer>();
        if (renderer->load(document) && renderer->isValid())
            draw(VectorPicture(std::move(renderer), cell, document));
    }
}

} // namespace

int fuzzOnePicture(const uint8_t* data, size_t size) {
    const QByteArray bytes = bytesOf(data, size);
    // The project's own error says what cannot be read; anything else escaping is a fault.
    try {
        const std::shared_ptr<const Picture> picture = loadPicture(bytes);
        check(picture != nullptr, "a picture was loaded as nothing");
        draw(*picture);
        if (const auto* vector = dynamic_cast<const VectorPicture*>(picture.get()))
            splitCells(vector->document(), vector->source());
    } catch (const RuntimeError&) {
    }
    // The splitter also meets documents the loader refuses: a set is split while it loads.
    try {
        if (const std::unique_ptr<SvgParts> parts = SvgParts::read(bytes))
            (void)parts->partDocument(QRectF(0, 0, 50, 20));
    } catch (const RuntimeError&) {
    }
    return 0;
}

} // namespace zavolin::fuzz
