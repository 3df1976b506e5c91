// One bar of the clock face: a horizontal bar filled by the elapsed part of its
// period, with one-pixel tick marks along its top edge.
#pragma once

#include "clock/gaugescale.h"
#include "platform/afx/afxgdi.h"
#include "platform/afx/afxtime.h"
#include "platform/win/timeb.h"

// The face's measures in pixels. At 96 dpi (100 %) they are the face's own;
// on a screen of another DPI each is scaled by it, so that the face is as
// large there and drawn at the screen's own resolution.
struct FaceMetrics {
    int margin;      // left free at the left and right of the bars and marks
    int spacing;     // above the first bar, and below each bar
    int markWidth;   // of a tick mark
    int markHeight;  // the marks stand in these rows just above their bar

    static FaceMetrics ForDpi(UINT dpi);
    // The width of the bars in an area of the given width.
    int Span(int width) const { return width - 2 * margin; }
    bool operator==(const FaceMetrics&) const = default;
};

class CBarGauge {
public:
    explicit CBarGauge(int nKind);

    void SetColor(COLORREF crColor) { m_crColor = crColor; }
    COLORREF GetColor() const { return m_crColor; }
    int GetKind() const { return m_nKind; }
    void SetMetrics(const FaceMetrics& metrics) { m_metrics = metrics; }

    // Where the marks and the bar's end stand at the sample, in an area
    // nWidth wide; the bar's left end is at the margin.
    using Layout = BarLayout;
    Layout Measure(int nWidth, const _timeb* pSample);

    // Draws the marks and the bar with its top at row y, into an area nWidth
    // wide whose left edge is 0, and returns the top row of the next bar.
    int Draw(CDC* pDC, int y, int nWidth, int nHeight, const _timeb* pSample);

private:
    CTime m_time;
    int m_nKind;
    COLORREF m_crColor;
    FaceMetrics m_metrics;
};

// The local calendar fields of a moment, as the gauges read them.
CalendarFields LocalCalendarFields(const CTime& time);
