// Sets the primary display's size, as a person does in the display settings:
// displaysize.exe WIDTH HEIGHT. Windows (and Wine) then tell every top-level
// window with WM_DISPLAYCHANGE. Exit status 0 when the size was taken.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: displaysize WIDTH HEIGHT\n");
        return 2;
    }
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = DWORD(std::atoi(argv[1]));
    mode.dmPelsHeight = DWORD(std::atoi(argv[2]));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExA(nullptr, &mode, nullptr, 0, nullptr);
    if (result != DISP_CHANGE_SUCCESSFUL) {
        std::fprintf(stderr, "displaysize: ChangeDisplaySettingsEx gave %ld\n", long(result));
        return 1;
    }
    return 0;
}
