// Between the framework's rectangles (right and bottom edges outside) and
// Qt's (right and bottom pixels inside).
#pragma once

#include <QRect>

#include "platform/win/windef.h"

inline QRect QRectOf(const RECT& rc)
{
    return QRect(QPoint(rc.left, rc.top), QPoint(rc.right - 1, rc.bottom - 1));
}

inline RECT RectOf(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
