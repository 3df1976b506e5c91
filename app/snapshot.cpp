#include "app/snapshot.h"

#include <algorithm>
#include <iostream>
#include <memory>

#include "clock/clockface.h"
#include "platform/afxplatform.h"
#include "frame/mainframe.h"
#include "settings/settingsprofile.h"

bool WriteSnapshot(CWinApp* pApp, const std::string& pngPath)
{
    CSettingDlg settings;
    const CProfileBatch readOnce(pApp, FALSE);
    LoadDisplaySettings(pApp, settings);
    // The window the clock would open: with no display to look at, only the
    // size rules apply.
    const CRect window = UsableWindowRect(LoadWindowRect(pApp));
    const CRect client(0, 0, std::max(1, window.Width() - 2 * kSizingBorder),
                       std::max(1, window.Height() - 2 * kSizingBorder));

    // The bitmap takes the screen's colours: one made for a fresh memory
    // context would have that context's single colour plane.
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
    dc.SelectObject(&bitmap);

    std::unique_ptr<CBarGauge> owned[BAR_KIND_COUNT];
    CBarGauge* gauges[BAR_KIND_COUNT];
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
        owned[kind] = std::make_unique<CBarGauge>(kind);
        gauges[kind] = owned[kind].get();
    }
    _timeb sample;
    _ftime(&sample);
    ComposeClockFace(&dc, client, settings, gauges, sample);
    dc.DeleteDC();

    if (!AfxSaveBitmapAsPng(bitmap, pngPath)) {
        std::cerr << "tarvik: cannot write " << pngPath << "\n";
        return false;
    }
    return true;
}
