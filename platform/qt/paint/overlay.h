// What the program draws straight onto the screen (the context GetDC gives
// with no window): an always-on-top window over the whole desktop, masked to
// the pixels drawn, so the windows beneath show everywhere else. It lies
// above every other window but the program's own. A click on it takes it
// away (the click goes no further), and so does a repaint of every window.
#pragma once

#include <QPainter>
#include <QRect>
#include <functional>

class QWidget;

// Paints on the screen, in screen coordinates; area bounds what is painted.
// Drawings add up.
void PaintOnScreen(const QRect& area, const std::function<void(QPainter&)>& paint);

// InvalidateRect with no window marks the drawing for repainting;
// UpdateWindow with no window then takes it away.
void InvalidateScreenDrawing();
void UpdateScreenDrawing();

// The main window has moved: the drawing leaves its place clear.
void ScreenDrawingFollowsClock();

// The window that shows the drawing, or null while there is none.
QWidget* ScreenDrawingWindow();
void DestroyScreenDrawing();
