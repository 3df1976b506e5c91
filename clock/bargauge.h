// One bar of the clock face: a horizontal bar filled by the elapsed part of its
// period, with one-pixel tick marks along its top edge.
#pragma once

#include "clock/gaugescale.h"
#include "platform/afx/afxgdi.h"
#include "platform/afx/afxtime.h"
#include "platform/win/timeb.h"

class CBarGauge {
public:
    explicit CBarGauge(int nKind);

    void SetColor(COLORREF crColor) { m_crColor = crColor; }
    COLORREF GetColor() const { return m_crColor; }
    int GetKind() const { return m_nKind; }

    // Where the marks and the bar's end stand at the sample, in an area
    // nWidth wide: the period and the step the marks follow, and the bar's
    // filled length in pixels from its left end at kBarLeft.
    struct Layout {
        int e;
        int d;
        int length;
    };
    Layout Measure(int nWidth, const _timeb* pSample);

    // Draws the marks and the bar with its top at row y, into an area nWidth
    // wide whose left edge is 0, and returns the top row of the next bar.
    int Draw(CDC* pDC, int y, int nWidth, int nHeight, const _timeb* pSample);

    // Bars and marks leave this many pixels free at the left and right.
    static constexpr int kBarLeft = 10;

private:
    CTime m_time;
    int m_nKind;
    COLORREF m_crColor;
};

// The local calendar fields of a moment, as the gauges read them.
CalendarFields LocalCalendarFields(const CTime& time);
