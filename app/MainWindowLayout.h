#pragma once

#include "sheet/PageEngine.h"
#include "sheet/PageGeometry.h"
#include "sheet/ScaleFactor.h"

#include <QSize>
#include <QtGlobal>
#include <functional>

namespace Ui {
class frmZavolin;
}

namespace zavolin {

class Printer;

// What the main window's layout reads from the window and writes back, besides its controls.
// The window owns all of it and fills one of these for each layout.
struct MainWindowLayout {
    // The window's state: minimised, and its client area (ScaleWidth x ScaleHeight) in pixels.
    bool minimised = false;
    double ScaleWidth = 0;
    double ScaleHeight = 0;
    // The screen the background is tiled over, in pixels; empty for the window's own screen.
    QSize screenSize;

    Printer* printer = nullptr;
    // The page the preview shows and what it is drawn from; without content nothing is drawn.
    PageRequest page;
    const PageContent* content = nullptr;
    // Written by the layout: the page geometry of the page's size (the one content's sheet
    // refers to) and the preview pixels per millimetre of paper.
    PageGeometry* geometry = nullptr;
    // The columns and the offset down the geometry is worked out for.
    PageFit fit;
    float* PreviewScale = nullptr;
    // Marks the option button optIndex(page.Denom) as chosen, with the selection handling that
    // brings.
    std::function<void()> chooseDenom;
};

// The main window's resize handler: tiles the background picture imgHG over the whole screen
// into the window's persistent background, lays out the controls (positionieren) and marks
// optIndex(Denom) as chosen. Does nothing for a minimised window.
void Form_Resize(Ui::frmZavolin& ui, const MainWindowLayout& window);

// Places the toolbar along the right edge, sizes the preview Bild to the paper's proportions
// with its shadow behind it, puts the selection panel to its right, recomputes the page
// geometry (ScaleFactor) and PreviewScale, and repaints the preview. Positions are worked out
// in floating point and rounded to the nearest pixel.
void positionieren(Ui::frmZavolin& ui, const MainWindowLayout& window);

// How far down the client area the toolbar's buttons reach as positionieren places them: the
// height a window needs so that none is cut off.
int toolbarReach(const Ui::frmZavolin& ui);

} // namespace zavolin
