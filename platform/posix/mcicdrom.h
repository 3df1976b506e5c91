// The CD drive behind the MCI commands on Linux.
#pragma once

#include <string>
#include <vector>

#include "platform/win/mmsystem.h"

// The device files tried, in order, for the CD drive: /dev/cdrom, then
// /dev/sr0 to /dev/sr15. Tests point them elsewhere; nothing else does.
void MciSetCdDevicesForTesting(std::vector<std::string> paths);

// Moves the tray of the first drive of the list; an MCI result.
MCIERROR MoveCdTray(const std::vector<std::string>& devices, bool open);
