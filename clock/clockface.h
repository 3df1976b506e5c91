// One picture of the clock face: the background and every shown bar.
#pragma once

#include "clock/bargauge.h"
#include "clock/barkind.h"
#include "settings/settingdlg.h"

// Space above the first bar and between bars.
constexpr int kBarSpacing = 10;

// The height of each shown bar in a client area of the given height: what is
// left after the spacing, shared equally, and at least 1. With no bar shown
// there is nothing to share, and 0 is returned.
int BarHeight(int clientBottom, int nShown);

// Fills the client rectangle with the background colour, then draws each shown
// bar from the year down, all at the instant of the one sample. Into the same
// buffer as the last time, with only the bars' lengths changed since, it
// draws just the pixels that change: the picture is the same.
void ComposeClockFace(CDC* pDC, const CRect& rcClient, const CSettingDlg& settings,
                      CBarGauge* const (&gauges)[BAR_KIND_COUNT], const _timeb& sample);
