// The media control interface, as far as the program uses it: the CD drive's
// tray, opened and closed by command strings. The command strings and error
// texts are read here (mmsystem.cpp), the drive is moved by the system
// (posix/mcicdrom.cpp on Linux; on Windows the system does it all).
#pragma once

#include <string>

#include "platform/win/winuser.h"

#ifndef _WIN32

using MCIERROR = DWORD;

// The MCI error codes the commands here return.
constexpr MCIERROR MCIERR_BASE = 256;
constexpr MCIERROR MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 5;
constexpr MCIERROR MCIERR_HARDWARE = MCIERR_BASE + 6;
constexpr MCIERROR MCIERR_CANNOT_LOAD_DRIVER = MCIERR_BASE + 10;
constexpr MCIERROR MCIERR_UNSUPPORTED_FUNCTION = MCIERR_BASE + 18;
constexpr MCIERROR MCIERR_DEVICE_LOCKED = MCIERR_BASE + 32;
constexpr MCIERROR MCIERR_DEVICE_NOT_INSTALLED = MCIERR_BASE + 50;

// Runs an MCI command string; 0 on success. "set cdaudio door open" opens
// the tray of the first CD drive and "set cdaudio door closed" closes it (in
// any letter case and spacing); any other command is unrecognised. A missing
// drive, one the user may not open, one that is busy or no CD drive at all
// give their error codes, at once and without a word. The return text (empty
// here) goes into the buffer; notifications are never sent.
MCIERROR mciSendStringA(LPCSTR lpstrCommand, LPSTR lpstrReturnString, UINT uReturnLength, HWND hwndCallback);

// The text of an MCI result, cut to the buffer; FALSE for a code it does not know.
BOOL mciGetErrorStringA(MCIERROR mcierr, LPSTR pszText, UINT cchText);

#endif  // !_WIN32

// The tray commands the parser recognises: "set cdaudio door open" and
// "... closed", in any letter case and spacing.
enum class MciCommand { Unrecognised, OpenDoor, CloseDoor };
MciCommand ParseMciCommand(const std::string& command);
