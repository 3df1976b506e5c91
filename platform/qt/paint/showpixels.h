// Putting a window's changed pixels on the screen without the widget repaint
// machinery, which costs more than the rest of a clock tick together.
#pragma once

#include <QImage>
#include <QRegion>

class QWidget;

// Shows the image's pixels within the region (the widget's coordinates) on
// the screen: straight onto the X window, one PutImage per changed rectangle,
// where the display is X11 and nothing scales; else through the top-level
// window's backing store, painting and flushing just the region. False when
// neither can be done; the widget is then to be repainted the usual way.
bool ShowPixels(QWidget* widget, const QImage& image, const QRegion& region);
