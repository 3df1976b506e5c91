#include "clock/bargauge.h"

#include "res/barkind.h"

namespace {

constexpr int kMargin = CBarGauge::kBarLeft;
// Marks are 1 pixel wide and stand in the 2 rows just above the bar.
constexpr int kMarkHeight = 2;
// Space below a bar, before the next one.
constexpr int kGap = 10;

}  // namespace

CalendarFields LocalCalendarFields(const CTime& time)
{
    struct tm local;
    time.GetLocalTm(&local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

CBarGauge::CBarGauge(int nKind) : m_nKind(nKind), m_crColor(RGB(128, 80, 128)) {}

CBarGauge::Layout CBarGauge::Measure(int nWidth, const _timeb* pSample)
{
    CalendarFields fields{};
    if (m_nKind != BAR_MILLISECOND) {
        m_time = CTime(pSample->time);
        fields = LocalCalendarFields(m_time);
    }
    const GaugeScale scale = ComputeGaugeScale(m_nKind, fields, pSample->millitm);
    const int span = nWidth - 2 * kMargin;
    return {scale.e, scale.d, static_cast<int>(span * scale.x)};
}

int CBarGauge::Draw(CDC* pDC, int y, int nWidth, int nHeight, const _timeb* pSample)
{
    const Layout layout = Measure(nWidth, pSample);
    const int span = nWidth - 2 * kMargin;
    for (int k = 0; k < layout.e; k += layout.d)
        pDC->FillSolidRect(kMargin + (span * k) / layout.e, y - kMarkHeight, 1, kMarkHeight, m_crColor);
    pDC->FillSolidRect(kMargin, y, layout.length, nHeight, m_crColor);
    pDC->FillSolidRect(nWidth - kMargin, y - kMarkHeight, 1, kMarkHeight, m_crColor);
    return y + nHeight + kGap;
}
