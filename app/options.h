// The program's own command-line options, read before the framework's start-up.
#pragma once

#include <string>
#include <vector>

struct Options {
    enum Action { Run, Help, Version, Snapshot, Autostart, Wrong } action = Run;
    std::string snapshotPath;  // for Snapshot
    std::string problem;       // for Wrong: what is wrong, in one line
    bool onTop = false;        // for Run: above other windows; for Autostart: started so at login
    bool autostartOn = false;  // for Autostart: on (true) or off
};

// Reads the arguments after the program's name: --help (or -h), --version,
// --snapshot FILE.png, --autostart on|off, --on-top, or at most one FILE for
// the clock to open ("--" ends the options). Anything else is Wrong.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;
