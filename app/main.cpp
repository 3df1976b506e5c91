// The program's entry: its own options first, then the framework's start-up.
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "app/snapshot.h"
#include "app/vostrelapp.h"
#include "platform/profilepath.h"

// The one application object.
CVostrelApp theApp;

namespace {

constexpr const char* kUsage =
    "Usage: tarvik [FILE]\n"
    "       tarvik --snapshot FILE.png\n"
    "A desktop clock that shows the local time as bars.\n"
    "\n"
    "  --snapshot FILE.png  draw the face as the settings and window size give it,\n"
    "                       after one clock tick, into a PNG file, and exit\n"
    "  --help               show this help and exit\n"
    "  --version            show the version and exit\n"
    "\n"
    "Drag the face to move the clock, its border to resize it; right-click for the menu.\n";

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage << "Settings: " << ChooseProfilePath(ModulePath()) << "\n";
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "tarvik 1.0.0.1\n";
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--snapshot") == 0) {
        if (argc != 3) {
            std::cerr << "tarvik: --snapshot needs one file name\n" << kUsage;
            return 2;
        }
        theApp.m_pszProfileName = strdup(ChooseProfilePath(ModulePath()).c_str());
        return WriteSnapshot(&theApp, argv[2]) ? 0 : 1;
    }
    return AfxWinMain(argc, argv);
}
