// One whole clock face composed off-screen: the background, then all seven bars,
// the work of one clock tick before the window is repainted.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "clock/bargauge.h"
#include "res/barkind.h"

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

    std::array<std::unique_ptr<CBarGauge>, BAR_KIND_COUNT> gauges;
    for (int kind = 0; kind < BAR_KIND_COUNT; ++kind)
        gauges[kind] = std::make_unique<CBarGauge>(kind);
    const CRect client(0, 0, width, height);
    const int barHeight = std::max(1, (height - (BAR_KIND_COUNT + 1) * 10) / BAR_KIND_COUNT);

    for (auto _ : state) {
        dc.FillSolidRect(client, RGB(173, 222, 255));
        _timeb sample;
        _ftime(&sample);
        int top = 10;
        for (auto& gauge : gauges) {
            gauge->SetColor(RGB(0, 132, 132));
            top = gauge->Draw(&dc, top, client.right, barHeight, &sample);
        }
        benchmark::DoNotOptimize(top);
    }
    dc.DeleteDC();
}

BENCHMARK(ComposeFace)->Args({400, 100})->Args({1920, 200})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
