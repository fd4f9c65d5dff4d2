#pragma once

#include "sheet/DrawingPages.h"

#include <QImage>
#include <QList>
#include <QTransform>

namespace zavolin {

// A drawing page found in a picture: what its codes say, and where its millimetres lie.
struct FoundDrawingPage {
    DrawingPageLayout layout;
    QTransform toPicture; // millimetres on the page to the picture's pixels
    int codesRead = 0;
};

// What a search of a picture found: the pages three or four of whose corner codes were read
// (three straighten a scan, four also a photo's perspective), and the labels of pages with
// fewer, which cannot be placed.
struct DrawingPageSearch {
    QList<FoundDrawingPage> pages;
    QList<DrawingPageLabel> partly;
    QList<int> otherVersions; // versions of the pages' codes this program cannot read
};

// Finds the drawing pages in the picture, turned any way.
DrawingPageSearch findDrawingPages(const QImage& picture, const SizeTable& sizes);

// The page's frame (millimetres on the page) cut out of the picture and straightened, as an image
// of `pixels`.
QImage cutFrame(const QImage& picture, const FoundDrawingPage& page, const QRectF& frame,
                QSize pixels);

// The picture's resolution on the page around that place, in pixels a millimetre.
double pixelsPerMillimetre(const FoundDrawingPage& page, QPointF millimetres);

} // namespace zavolin
