#include "clock/clockface.h"

#include <algorithm>

int BarHeight(int clientBottom, int nShown)
{
    if (nShown <= 0)
        return 0;
    return std::max(1, (clientBottom - (nShown + 1) * kBarSpacing) / nShown);
}

void ComposeClockFace(CDC* pDC, const CRect& rcClient, const CSettingDlg& settings,
                      CBarGauge* const (&gauges)[BAR_KIND_COUNT], const _timeb& sample)
{
    pDC->FillSolidRect(rcClient, settings.GetBackColor());
    if (settings.GetShown() == 0)
        return;  // no bar to draw: the face is its background
    const int height = BarHeight(rcClient.bottom, settings.GetShown());
    int top = kBarSpacing;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
        if (settings.GetShow(kind) != 1)
            continue;
        gauges[kind]->SetColor(settings.GetBarColor());
        top = gauges[kind]->Draw(pDC, top, rcClient.right, height, &sample);
    }
}
