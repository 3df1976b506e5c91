// Fuzz target for the settings as the clock loads them at its start: any
// bytes as its INI file, read through the profile functions as the program
// reads them; every bar's flag must be shown or hidden, and the window must
// open where a person can reach it. (The interval and the colours in effect
// are held to their ranges by IntervalInEffect and ColorInEffect, whatever
// was read.)
//
// Input: byte 0 picks a desktop, the rest is the file.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "placementcheck.h"
#include "settings/settingsprofile.h"

namespace {

const Screens kDesktops[] = {
    {{CRect(0, 0, 1920, 1080), 96}},
    {{CRect(0, 0, 2560, 1440), 144}, {CRect(-1280, -200, 0, 824), 96}},
    {{CRect(1920, 0, 3840, 1080), 96}, {CRect(0, 0, 1920, 1080), 192}, {CRect(0, 1080, 800, 1680), 288}},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CWinApp app;
    if (!app.m_pszProfileName)
        app.m_pszProfileName = strdup(ScratchFile().c_str());  // the application frees it
    FuzzInput in(data, size);
    const Screens& screens = kDesktops[in.Byte() % 3];
    // Written plainly: the program's own safe replace syncs to the disk.
    const std::string_view text = in.Rest();
    std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    Check(file && std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fclose(file) == 0,
          "cannot write the scratch file");

    const CRect stored = LoadWindowRect(&app);
    const DisplaySettings settings = LoadDisplaySettings(&app);
    for (int flag : settings.show)
        Check(flag == 0 || flag == 1, "a bar's flag is neither shown nor hidden");
    CheckPlacement(stored, screens);
    return 0;
}
