// Where the program's lines for a person go when it was started from a
// terminal.
#pragma once

// A windowed Windows program has no standard output of its own: this gives
// it the console of the one that started it (cmd, PowerShell), where there
// is one, so that --help, --version and --autostart can be read there.
// Output sent to a file or a pipe stays where it goes. On Linux the terminal
// is there already, and nothing is done.
void AfxAttachConsole();
