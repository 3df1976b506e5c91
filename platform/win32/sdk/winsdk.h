// The system's own Windows headers, as the Windows build of the framework
// (and platform/win's headers there) takes them: without min and max macros, and with the ANSI ("A") names,
// whose text is UTF-8 there since the executable's manifest asks for the
// UTF-8 code page.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <oleacc.h>
#include <shellscalingapi.h>

// A LOGFONTA's face name is text of the font's own character set, as a
// Japanese font's is Shift-JIS: the fonts the program makes are looked up by
// that name even where the system's code page is UTF-8.
HFONT AfxCreateFontIndirectA(const LOGFONTA* lplf);
#define CreateFontIndirectA AfxCreateFontIndirectA
