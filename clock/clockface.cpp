#include "clock/clockface.h"

#include <algorithm>

namespace {

// Redraws the part of one bar's rows between its old and its new end, and
// says where that is (an empty rectangle when the length is the same).
CRect DrawLengthChange(CDC* pDC, int left, int top, int height, int oldLength, int newLength, COLORREF bar,
                       COLORREF back)
{
    const int oldEnd = left + std::max(0, oldLength);
    const int newEnd = left + std::max(0, newLength);
    const CRect changed(std::min(oldEnd, newEnd), top, std::max(oldEnd, newEnd), top + height);
    if (!changed.IsRectEmpty())
        pDC->FillSolidRect(changed, newEnd > oldEnd ? bar : back);
    return changed;
}

}  // namespace

int BarHeight(int clientBottom, int nShown, int spacing)
{
    if (nShown <= 0)
        return 0;
    return std::max(1, (clientBottom - (nShown + 1) * spacing) / nShown);
}

FaceChanges CClockFace::Compose(CDC* pDC, const CRect& rcClient, const DisplaySettings& settings, const _timeb& sample)
{
    const Look look = Measure(rcClient, settings, sample);
    FaceChanges changes;
    if (OnlyLengthsChange(look)) {
        DrawLengthChanges(pDC, look, changes);
    } else {
        DrawWhole(pDC, look, sample);
        changes.Add(look.client);
    }
    m_last = look;
    return changes;
}

int CClockFace::MsUntilChange(const _timeb& sample, int msEnough) const
{
    const int span = m_last.metrics.Span(m_last.client.right);
    // The fast bars first: a change within msEnough ends the search, and
    // the calendar is looked up only for the slower ones.
    int soonest = kTickHorizonMs;
    CalendarFields fields{}, nextSecond{};
    bool looked = false;
    for (int kind = BAR_KIND_COUNT - 1; kind >= 0 && soonest > msEnough; --kind) {
        if (m_last.show[kind] != 1)
            continue;
        if (kind != BAR_MILLISECOND && !looked) {
            fields = LocalCalendarFields(CTime(sample.time));
            nextSecond = LocalCalendarFields(CTime(sample.time + 1));
            looked = true;
        }
        soonest = std::min(soonest, MsUntilBarChanges(kind, fields, nextSecond, sample.millitm, span));
    }
    return soonest;
}

CClockFace::Look CClockFace::Measure(const CRect& rcClient, const DisplaySettings& settings, const _timeb& sample) const
{
    Look look;
    look.drawn = true;
    look.client = rcClient;
    look.metrics = m_metrics;
    look.back = ColorInEffect(settings.back);
    look.bar = ColorInEffect(settings.bar);
    look.height = BarHeight(rcClient.bottom, settings.Shown(), m_metrics.spacing);
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
        look.show[kind] = settings.show[kind];
        if (look.show[kind] == 1) {
            m_gauges[kind]->SetMetrics(m_metrics);
            look.bars[kind] = m_gauges[kind]->Measure(rcClient.right, &sample);
        }
    }
    return look;
}

bool CClockFace::OnlyLengthsChange(const Look& next) const
{
    if (!m_last.drawn || !(m_last.client == next.client) || !(m_last.metrics == next.metrics) ||
        m_last.back != next.back || m_last.bar != next.bar ||
        m_last.height != next.height || !std::equal(m_last.show, m_last.show + BAR_KIND_COUNT, next.show))
        return false;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        if (next.show[kind] == 1 && (m_last.bars[kind].e != next.bars[kind].e || m_last.bars[kind].d != next.bars[kind].d))
            return false;
    return true;
}

void CClockFace::DrawWhole(CDC* pDC, const Look& look, const _timeb& sample) const
{
    pDC->FillSolidRect(look.client, look.back);
    int top = look.metrics.spacing;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
        if (look.show[kind] != 1)
            continue;
        m_gauges[kind]->SetColor(look.bar);
        top = m_gauges[kind]->Draw(pDC, top, look.client.right, look.height, &sample);
    }
}

void CClockFace::DrawLengthChanges(CDC* pDC, const Look& look, FaceChanges& changes) const
{
    int top = look.metrics.spacing;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
        if (look.show[kind] != 1)
            continue;
        m_gauges[kind]->SetColor(look.bar);
        const CRect changed = DrawLengthChange(pDC, look.metrics.margin, top, look.height, m_last.bars[kind].length,
                                               look.bars[kind].length, look.bar, look.back);
        if (!changed.IsRectEmpty())
            changes.Add(changed);
        top += look.height + look.metrics.spacing;
    }
}

CGaugeSet::CGaugeSet()
{
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        m_pGauge[kind] = new CBarGauge(kind);
}

CGaugeSet::~CGaugeSet()
{
    for (CBarGauge* gauge : m_pGauge)
        delete gauge;
}
