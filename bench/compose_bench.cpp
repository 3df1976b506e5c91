// One whole clock face composed off-screen: the background, then all seven
// bars, the work of a clock tick after the buffer was made anew.
#include <benchmark/benchmark.h>

#include "clock/clockface.h"

namespace {

void ComposeFace(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    dc.SelectObject(&bitmap);

    const DisplaySettings settings{{1, 1, 1, 1, 1, 1, 1}, 50, 0, RGB(0, 132, 132), RGB(173, 222, 255)};
    const CGaugeSet gauges;
    CClockFace face(gauges.m_pGauge);
    const CRect client(0, 0, width, height);

    for (auto _ : state) {
        face.Forget();
        _timeb sample;
        _ftime(&sample);
        face.Compose(&dc, client, settings, sample);
        benchmark::ClobberMemory();
    }
    dc.DeleteDC();
}

BENCHMARK(ComposeFace)->Args({400, 100})->Args({1920, 200})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
