// Sending an MCI command string, with the texts it gives back.
#pragma once

#include <string>

#include "platform/win/mmsystem.h"

// Sends the command with the main window as callback window (no
// notification is asked for); the return text and the text of the result go
// into the two strings. Returns the MCI result, 0 for success.
MCIERROR SendMciCommand(LPCSTR lpszCommand, std::string& strReturn, std::string& strError);
