// What a screen reader reads of the clock: the view names itself and shows
// one progress bar per shown bar, in display order; once a second, the bars
// whose text changed say so to whoever listens.
#include "clock/facereading.h"
#include "clock/vostrelview.h"
#include "res/barkind.h"

BOOL CVostrelView::GetAccessibleInfo(AFX_ACCESSIBLE_INFO* pInfo)
{
    _timeb sample;
    _ftime(&sample);
    pInfo->name = AfxGetAppName();
    pInfo->description = "現在の時刻を棒グラフで表示します";
    pInfo->parts.clear();
    for (const BarReading& reading : ReadFace(m_dlgSetting.GetDisplaySettings(), sample))
        pInfo->parts.push_back({ROLE_SYSTEM_PROGRESSBAR, kBarNames[reading.kind], reading.text, reading.percent, 0, 100});
    return TRUE;
}

void CVostrelView::NotifyReadings(const _timeb& sample)
{
    if (sample.time == m_tLastReading || !IsWinEventHookInstalled(EVENT_OBJECT_VALUECHANGE))
        return;
    m_tLastReading = sample.time;
    const std::vector<BarReading> readings = ReadFace(m_dlgSetting.GetDisplaySettings(), sample);
    if (readings.size() != m_lastReadings.size()) {
        m_lastReadings.assign(readings.size(), std::string());
        NotifyWinEvent(EVENT_OBJECT_REORDER, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    }
    for (size_t i = 0; i < readings.size(); ++i) {
        if (readings[i].text == m_lastReadings[i])
            continue;
        m_lastReadings[i] = readings[i].text;
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_hWnd, OBJID_CLIENT, LONG(i + 1));
    }
}
