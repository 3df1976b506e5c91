#include "clock/clockface.h"

#include <algorithm>
#include <array>

namespace {

// What the last face drawn into a buffer looked like. When the next face
// differs only in the bars' lengths, only the pixels between each bar's old
// and new end are drawn: the picture is the same as a whole new face, but a
// tick costs what changes, not the size of the window.
struct FaceState {
    unsigned long long bitmap = 0;  // AfxGetBitmapSerial of the buffer; 0: none
    CRect client;
    COLORREF back = 0;
    COLORREF bar = 0;
    int height = 0;
    std::array<int, BAR_KIND_COUNT> show{};
    std::array<CBarGauge::Layout, BAR_KIND_COUNT> bars{};
};
FaceState s_lastFace;

bool SameButTheLengths(const FaceState& a, const FaceState& b)
{
    if (a.bitmap == 0 || a.bitmap != b.bitmap || !(a.client == b.client) || a.back != b.back || a.bar != b.bar ||
        a.height != b.height || a.show != b.show)
        return false;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        if (a.show[kind] == 1 && (a.bars[kind].e != b.bars[kind].e || a.bars[kind].d != b.bars[kind].d))
            return false;
    return true;
}

// Redraws the part of one bar's rows between its old and its new end.
void DrawLengthChange(CDC* pDC, int top, int height, int oldLength, int newLength, COLORREF bar, COLORREF back)
{
    const int oldEnd = CBarGauge::kBarLeft + std::max(0, oldLength);
    const int newEnd = CBarGauge::kBarLeft + std::max(0, newLength);
    if (newEnd > oldEnd)
        pDC->FillSolidRect(oldEnd, top, newEnd - oldEnd, height, bar);
    else if (newEnd < oldEnd)
        pDC->FillSolidRect(newEnd, top, oldEnd - newEnd, height, back);
}

}  // namespace

int BarHeight(int clientBottom, int nShown)
{
    if (nShown <= 0)
        return 0;
    return std::max(1, (clientBottom - (nShown + 1) * kBarSpacing) / nShown);
}

void ComposeClockFace(CDC* pDC, const CRect& rcClient, const CSettingDlg& settings,
                      CBarGauge* const (&gauges)[BAR_KIND_COUNT], const _timeb& sample)
{
    FaceState face;
    face.bitmap = AfxGetBitmapSerial(*pDC);
    face.client = rcClient;
    face.back = settings.GetBackColor();
    face.bar = settings.GetBarColor();
    face.height = BarHeight(rcClient.bottom, settings.GetShown());
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
        face.show[kind] = settings.GetShow(kind);
        if (face.show[kind] == 1)
            face.bars[kind] = gauges[kind]->Measure(rcClient.right, &sample);
    }

    if (SameButTheLengths(s_lastFace, face)) {
        int top = kBarSpacing;
        for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
            if (face.show[kind] != 1)
                continue;
            gauges[kind]->SetColor(face.bar);
            DrawLengthChange(pDC, top, face.height, s_lastFace.bars[kind].length, face.bars[kind].length, face.bar,
                             face.back);
            top += face.height + kBarSpacing;
        }
    } else {
        pDC->FillSolidRect(rcClient, face.back);
        int top = kBarSpacing;
        for (int kind = 0; kind < BAR_KIND_COUNT; ++kind) {
            if (face.show[kind] != 1)
                continue;
            gauges[kind]->SetColor(face.bar);
            top = gauges[kind]->Draw(pDC, top, rcClient.right, face.height, &sample);
        }
    }
    s_lastFace = face;
}
