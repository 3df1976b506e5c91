// The program's entry: its own options first, then the framework's start-up.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/snapshot.h"
#include "app/vostrelapp.h"
#include "platform/win/autostart.h"
#include "platform/win/console.h"
#include "platform/win/profilepath.h"

// The one application object.
CVostrelApp theApp;

int main(int argc, char** argv)
{
    const Options options = ParseOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (options.action != Options::Run)
        AfxAttachConsole();
    switch (options.action) {
    case Options::Help:
        std::cout << kUsage << "Settings: " << ChooseProfilePath(ModulePath()) << "\n";
        return 0;
    case Options::Version:
        std::cout << "tarvik " TARVIK_VERSION "\n"
                     "Copyright (C) " TARVIK_COPYRIGHT "\n"
                     "License " TARVIK_LICENSE ": you may use, copy, change and pass on this program,\n"
                     "with its copyright notice and licence. It comes with no warranty.\n";
        return 0;
    case Options::Autostart: {
        const AutostartResult result = SetAutostart(options.autostartOn, ModulePath(), options.onTop);
        (result.ok ? std::cout : std::cerr) << "tarvik: " << result.message << "\n";
        return result.ok ? 0 : 1;
    }
    case Options::Wrong:
        std::cerr << "tarvik: " << options.problem << "\n" << kUsage;
        return 2;
    case Options::Snapshot: {
        std::string note;
        theApp.m_pszProfileName = strdup(PrepareProfilePath(ModulePath(), &note).c_str());
        if (!note.empty())
            std::cerr << "tarvik: " << note << "\n";
        return WriteSnapshot(&theApp, options.snapshotPath) ? 0 : 1;
    }
    case Options::Run:
        theApp.m_bOnTop = options.onTop;
        break;
    }
    return AfxWinMain(argc, argv);
}
