#include "app/snapshot.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "clock/clockface.h"
#include "frame/mainframe.h"
#include "platform/afx/afxbackend.h"
#include "settings/settingsprofile.h"

bool WriteSnapshot(CWinApp* pApp, const std::string& pngPath)
{
    const CProfileBatch readOnce(pApp, FALSE);
    const DisplaySettings settings = LoadDisplaySettings(pApp);
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

    const CGaugeSet gauges;
    CClockFace face(gauges.m_pGauge);
    _timeb sample;
    _ftime(&sample);
    face.Compose(&dc, client, settings, sample);
    dc.DeleteDC();

    errno = 0;
    if (!AfxSaveBitmapAsPng(bitmap, pngPath)) {
        const int why = errno;
        std::cerr << "tarvik: cannot write " << pngPath << (why ? std::string(": ") + std::strerror(why) : "") << "\n";
        return false;
    }
    return true;
}
