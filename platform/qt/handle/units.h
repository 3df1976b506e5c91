// The one border between the framework's units and the display's pixels.
//
// The framework speaks the units the INI file stores and the program
// computes with: pixels at 96 dpi, which are Qt's device-independent pixels.
// Everything Qt hands over (widget geometry, pointer positions, screens) is
// in those units already. What the program asks of the X server directly is
// in device pixels, and comes through here. A screen scales about its
// top-left corner, which has the same coordinates in both, as Qt has it.
#pragma once

#include <QPoint>

class QScreen;
class QWidget;

struct ScreenScale {
    QPoint origin;      // the screen's top-left corner, in either kind
    double factor = 1;  // device pixels per unit
};

QPoint UnitsFromDevice(QPoint device, const ScreenScale& scale);
QPoint DeviceFromUnits(QPoint units, const ScreenScale& scale);

// A screen's scale (none without a screen) and the scale a top-level
// window's place is given in: that of the screen Qt has it on.
ScreenScale ScaleOf(const QScreen* screen);
ScreenScale ScaleOfWindow(const QWidget* window);
