// Fuzz target for where the main window opens: one to three screens, and the
// four stored edges as numbers (any 32 bits) or as the text the profile
// functions read (huge, negative, empty, junk).
//
// Input: the screens (see ScreensFrom), a byte choosing numbers or text,
// then four numbers, or four texts separated by newlines.
#include "placementcheck.h"
#include "platform/win/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    const Screens screens = ScreensFrom(in);
    int edges[4];
    if (in.Byte() & 1) {
        for (int& edge : edges)
            edge = int(ini::ParseInt(in.Until('\n')));
    } else {
        for (int& edge : edges)
            edge = in.Coordinate();
    }
    CheckPlacement(CRect(edges[0], edges[1], edges[2], edges[3]), screens);
    return 0;
}
