#include "platform/qt/handle/units.h"

#include <QScreen>
#include <QWidget>

// Rounded to the nearest pixel as Qt rounds its own conversions, so that a
// place the program asked for comes back as it was at every scale.
QPoint UnitsFromDevice(QPoint device, const ScreenScale& scale)
{
    return (device - scale.origin) * (1.0 / scale.factor) + scale.origin;
}

QPoint DeviceFromUnits(QPoint units, const ScreenScale& scale)
{
    return (units - scale.origin) * scale.factor + scale.origin;
}

ScreenScale ScaleOf(const QScreen* screen)
{
    if (!screen)
        return {};
    return {screen->geometry().topLeft(), screen->devicePixelRatio()};
}

ScreenScale ScaleOfWindow(const QWidget* window)
{
    return ScaleOf(window ? window->screen() : nullptr);
}
