// The program's entry: its own options first, then the framework's start-up.
#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/snapshot.h"
#include "app/vostrelapp.h"
#include "platform/win/profilepath.h"

// The one application object.
CVostrelApp theApp;

int main(int argc, char** argv)
{
    const Options options = ParseOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    switch (options.action) {
    case Options::Help:
        std::cout << kUsage << "Settings: " << ChooseProfilePath(ModulePath()) << "\n";
        return 0;
    case Options::Version:
        std::cout << "tarvik 1.0.0.1\n";
        return 0;
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
        break;
    }
    return AfxWinMain(argc, argv);
}
