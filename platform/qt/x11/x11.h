// What the backend asks of an X server itself, where Qt has no word for it:
// all of it on Qt's own connection, but for the probe that finds whether a
// server answers before Qt starts.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <optional>

class QWidget;

// Whether an X server answers at the display. A server that is resetting
// (its last client just left) refuses for a moment, and is asked again for
// up to two seconds. The connection that found it answering is held until
// Qt has its own (EndProbe): an X server resets itself when its last client
// leaves, and drops the connections that arrive meanwhile.
bool XServerAnswers(const char* display);
void EndProbe();

// The top-left corner of the widget's window on the screen as the X server
// has it now, in device pixels; nothing where there is no X server or no
// window yet.
std::optional<QPoint> ServerOrigin(const QWidget* w);

// Puts a window that no window manager manages just below the window
// manager's frame of another, and so above every other window; false where
// the display is not X11.
bool StackJustBelow(QWidget* drawing, QWidget* window);

// Puts the image's pixels within the region (the widget's coordinates) on
// the widget's X window, one PutImage per rectangle; false where the display
// is not X11, the window not shown, or the server's pixels are laid out
// otherwise. The window is repainted from its own picture when it shows
// again.
bool PutPixels(QWidget* widget, const QImage& image, const QRegion& region);
