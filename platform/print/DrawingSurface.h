#pragma once

namespace zavolin {

class Picture;

// What the sheet painters draw on: the preview, the printer, or a recording for tests.
// Coordinates are in the surface's own unit (pixels for the preview, millimetres on paper)
// with the origin at the top left of its inner (printable) area.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    virtual double scaleWidth() = 0;
    virtual double scaleHeight() = 0;
    // A straight line in the surface's foreground colour.
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // A picture stretched into the rectangle.
    virtual void paintPicture(const Picture& picture, double x, double y, double width,
                              double height) = 0;
    // A picture that belongs to this page alone, such as its footnote: a document keeps it
    // apart from what its pages share. Drawn as any other picture unless the surface knows
    // better.
    virtual void paintFootnote(const Picture& picture, double x, double y, double width,
                               double height) {
        paintPicture(picture, x, y, width, height);
    }
};

} // namespace zavolin
