#pragma once

#include "PageRequest.h"
#include "platform/print/DrawingSurface.h"

namespace zavolin {

class Printer;

// The paper's vertical centre line in the printer's drawing coordinates (millimetres from the
// printable area's left edge). Turning the sheet over about its long edge mirrors it about
// this line, whatever the printable area's place on the paper.
double paperCentreLine(Printer& printer);

// Draws on a target what is drawn for the back of a sheet, placed so that it lies behind the
// front when the sheet is turned over about its long edge: each line and picture turned over as
// a plan is (turnedOver()). Units are the target's; centreLine and the offset are given in
// them too.
class TurnedOverSurface : public DrawingSurface {
public:
    TurnedOverSurface(DrawingSurface& target, double centreLine, BackOffset offset);

    double scaleWidth() override { return m_target.scaleWidth(); }
    double scaleHeight() override { return m_target.scaleHeight(); }
    void line(double x1, double y1, double x2, double y2) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void paintFootnote(const Picture& picture, double x, double y, double width,
                       double height) override;

private:
    DrawingSurface& m_target;
    double m_centreLine;
    BackOffset m_offset;
};

} // namespace zavolin
