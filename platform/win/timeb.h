// The time sample: whole seconds since 1970-01-01 00:00 UTC and milliseconds.
// On Linux the wall clock fills it (posix/timeb.cpp), on Windows the C runtime.
// And the local time of a moment, as the system reckons it.
#pragma once

#include <cstdint>
#include <ctime>

#ifdef _WIN32
#include <sys/timeb.h>
#else

// Seconds are kept in 64 bits: a 32-bit count would wrap in January 2038 and
// turn the clock back to 1901.
using __time64_t = std::int64_t;

struct _timeb {
    __time64_t time;         // seconds since 1970-01-01 00:00 UTC
    unsigned short millitm;  // 0..999
    short timezone;          // minutes west of UTC, standard time
    short dstflag;           // nonzero while daylight-saving time is in force
};

// Fills the sample from the system's wall clock.
void _ftime(_timeb* timeptr);

#endif  // _WIN32

// The local calendar fields of a moment: on Linux as the C library reads TZ;
// on Windows as the C runtime reads it, or in the system's own time zone
// where TZ has a form the runtime cannot read. False for a moment outside
// what can be converted.
bool AfxLocalTime(__time64_t seconds, struct tm* result);
