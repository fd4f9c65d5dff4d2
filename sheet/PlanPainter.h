#pragma once

#include "PagePlan.h"
#include "platform/pictures/Picture.h"
#include "platform/print/DrawingSurface.h"

#include <functional>
#include <memory>

namespace zavolin {

class Trap;

// What a planned picture shows: a note's cell, a coin strip, a calibration mark. May raise.
using PlannedPictureSource =
    std::function<std::shared_ptr<const Picture>(const PlannedPicture& planned)>;

// Draws a plan on the target in its order: the lines, the pictures, the texts, then the
// footnote as the page's own picture. With a trap, each line and picture is a statement under
// its label, so a failure is reported there and the answer decides; without one, failures
// raise.
void paintPlan(DrawingSurface& target, const PagePlan& plan, const PlannedPictureSource& pictureFor,
               Trap* trap = nullptr);

// The target's inner size, which its plan is made for.
QSizeF innerSize(DrawingSurface& target);

} // namespace zavolin
