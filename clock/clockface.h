// The clock face: the background and every shown bar, drawn by the seven
// gauges at the instant of one time sample.
#pragma once

#include "clock/bargauge.h"
#include "clock/nexttick.h"
#include "res/barkind.h"
#include "platform/win/winuser.h"
#include "settings/displaysettings.h"

// The height of each shown bar in a client area of the given height: what is
// left after the spacing above the first bar and below each, shared equally,
// and at least 1. With no bar shown there is nothing to share, and 0 is
// returned.
int BarHeight(int clientBottom, int nShown, int spacing);

// The parts of the client area that drawing a face changed: one rectangle
// for each bar whose length changed, or the whole client area when the face
// was drawn whole.
struct FaceChanges {
    int count = 0;
    CRect rects[BAR_KIND_COUNT];

    void Add(const CRect& rc) { rects[count++] = rc; }
    const CRect* begin() const { return rects; }
    const CRect* end() const { return rects + count; }
};

// Draws faces with the gauges it is given and remembers what the last one
// looked like. When the next face goes into the same buffer and differs only
// in the bars' lengths, just the pixels between each bar's old and new end
// are drawn: the picture is the same as a whole new face, but a tick costs
// what changes, not the size of the window.
class CClockFace {
public:
    explicit CClockFace(CBarGauge* const (&gauges)[BAR_KIND_COUNT]) : m_gauges(gauges) {}
    CClockFace(const CClockFace&) = delete;
    CClockFace& operator=(const CClockFace&) = delete;

    // Fills the client rectangle with the background colour, then draws each
    // shown bar from the year down, all at the instant of the one sample.
    // Says which parts of the buffer now differ from what it held.
    FaceChanges Compose(CDC* pDC, const CRect& rcClient, const DisplaySettings& settings, const _timeb& sample);

    // The buffer was made anew and holds no face: the next one is drawn whole.
    void Forget() { m_last.drawn = false; }

    // The faces to come are for a screen of this DPI (96 until told).
    void SetDpi(UINT dpi) { m_metrics = FaceMetrics::ForDpi(dpi); }

    // How many milliseconds after the sample of the last face a shown bar
    // will first look different, looking no more than kTickHorizonMs ahead;
    // once a bar changes within msEnough, the others are not looked at.
    int MsUntilChange(const _timeb& sample, int msEnough) const;

private:
    // What a face looks like, as far as the next one's drawing depends on it.
    struct Look {
        bool drawn = false;  // this face is what the buffer holds
        CRect client;
        FaceMetrics metrics{};
        COLORREF back = 0;
        COLORREF bar = 0;
        int height = 0;
        int show[BAR_KIND_COUNT] = {};
        CBarGauge::Layout bars[BAR_KIND_COUNT] = {};
    };

    Look Measure(const CRect& rcClient, const DisplaySettings& settings, const _timeb& sample) const;
    bool OnlyLengthsChange(const Look& next) const;
    void DrawWhole(CDC* pDC, const Look& look, const _timeb& sample) const;
    void DrawLengthChanges(CDC* pDC, const Look& look, FaceChanges& changes) const;

    CBarGauge* const (&m_gauges)[BAR_KIND_COUNT];
    FaceMetrics m_metrics = FaceMetrics::ForDpi(USER_DEFAULT_SCREEN_DPI);
    Look m_last;
};

// Seven gauges of their own, one of each kind, for a face drawn outside the
// clock view (which owns its gauges as m_pGauge): the snapshot, tests and
// benchmarks.
class CGaugeSet {
public:
    CGaugeSet();
    ~CGaugeSet();
    CGaugeSet(const CGaugeSet&) = delete;
    CGaugeSet& operator=(const CGaugeSet&) = delete;

    CBarGauge* m_pGauge[BAR_KIND_COUNT];
};
