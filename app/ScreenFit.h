#pragma once

#include <QMargins>
#include <QSize>

class QWidget;

namespace zavolin {

// The size a window of the defined size opens at on a screen whose free area (the screen less
// its panels) is `available`, with the window system's frame around it: the defined size where
// window and frame fit; else shrunk in its proportions, so that the layout that follows the
// window's height stays inside its width, until they fit. Never lower than `neededHeight`
// while the free area leaves room for it.
QSize fittedWindowSize(QSize defined, QSize available, QMargins frame, int neededHeight);

// Fits a top-level window and its frame into the free area of its screen: shrinks it as
// fittedWindowSize says (never grows it) and, once shown, moves it inside where it stands out.
// Before it is shown the frame may not be known yet (it creates the native window to ask):
// call again once shown.
void fitToScreen(QWidget& window, int neededHeight);

} // namespace zavolin
