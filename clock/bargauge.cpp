#include "clock/bargauge.h"

#include <algorithm>

#include "platform/win/winbase.h"
#include "platform/win/winuser.h"
#include "res/barkind.h"

FaceMetrics FaceMetrics::ForDpi(UINT dpi)
{
    auto scaled = [dpi](int pixels) { return std::max(1, MulDiv(pixels, int(dpi), USER_DEFAULT_SCREEN_DPI)); };
    return {scaled(10), scaled(10), scaled(1), scaled(2)};
}

CalendarFields LocalCalendarFields(const CTime& time)
{
    struct tm local;
    time.GetLocalTm(&local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

CBarGauge::CBarGauge(int nKind)
    : m_nKind(nKind), m_crColor(RGB(128, 80, 128)), m_metrics(FaceMetrics::ForDpi(USER_DEFAULT_SCREEN_DPI))
{
}

CBarGauge::Layout CBarGauge::Measure(int nWidth, const _timeb* pSample)
{
    CalendarFields fields{};
    if (m_nKind != BAR_MILLISECOND) {
        m_time = CTime(pSample->time);
        fields = LocalCalendarFields(m_time);
    }
    return LayoutBar(m_nKind, fields, pSample->millitm, m_metrics.Span(nWidth));
}

int CBarGauge::Draw(CDC* pDC, int y, int nWidth, int nHeight, const _timeb* pSample)
{
    const Layout layout = Measure(nWidth, pSample);
    const auto [margin, spacing, markWidth, markHeight] = m_metrics;
    const int span = m_metrics.Span(nWidth);
    for (int k = 0; k < layout.e; k += layout.d)
        pDC->FillSolidRect(margin + (span * k) / layout.e, y - markHeight, markWidth, markHeight, m_crColor);
    pDC->FillSolidRect(margin, y, layout.length, nHeight, m_crColor);
    pDC->FillSolidRect(nWidth - margin, y - markHeight, markWidth, markHeight, m_crColor);
    return y + nHeight + spacing;
}
