// The start's reads and the close's writes of the settings in a 50 MB INI
// file: other sections first, [SETTING] at the end. The start reads the keys
// the clock reads (the window rectangle and the display settings); the close
// writes the nine keys, with a rectangle that changes each time so that the
// file is really rewritten.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "settings/settingsprofile.h"

namespace {

class BigIni {
public:
    BigIni()
    {
        char dir[] = "/tmp/tarvik-bench-XXXXXX";
        m_dir = mkdtemp(dir);
        m_path = m_dir + "/tarvik.ini";
        std::ofstream out(m_path, std::ios::binary);
        std::string section;
        for (int i = 0; out.tellp() < 50 * 1024 * 1024; ++i) {
            section = "[Other" + std::to_string(i) + "]\r\n";
            for (int k = 0; k < 20; ++k)
                section += "key" + std::to_string(k) + "=some value of a setting that is not the clock's\r\n";
            out << section;
        }
        out << "[SETTING]\r\nWINTOP=10\r\nWINBOTTOM=110\r\nWINLEFT=10\r\nWINRIGHT=410\r\nBARS=NNNNYYY\r\n";
        m_app.m_pszProfileName = strdup(m_path.c_str());
    }
    ~BigIni()
    {
        unlink(m_path.c_str());
        rmdir(m_dir.c_str());
    }
    CWinApp& App() { return m_app; }

private:
    std::string m_dir, m_path;
    CWinApp m_app;
};

BigIni& Ini()
{
    static BigIni s_ini;
    return s_ini;
}

void StartReads(benchmark::State& state)
{
    Ini();  // made before the clock starts
    for (auto _ : state) {
        const CProfileBatch readOnce(&Ini().App(), FALSE);
        benchmark::DoNotOptimize(LoadWindowRect(&Ini().App()));
        benchmark::DoNotOptimize(LoadDisplaySettings(&Ini().App()));
    }
}
BENCHMARK(StartReads)->Unit(benchmark::kMillisecond);

void CloseWrites(benchmark::State& state)
{
    Ini();
    const DisplaySettings settings = LoadDisplaySettings(&Ini().App());
    int left = 0;
    for (auto _ : state) {
        ++left;
        SaveDisplaySettings(&Ini().App(), CRect(left, 10, left + 400, 110), settings);
    }
}
BENCHMARK(CloseWrites)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
