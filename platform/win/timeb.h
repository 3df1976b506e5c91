// The time sample: whole seconds since 1970-01-01 00:00 UTC and milliseconds.
// On Linux the wall clock fills it (posix/timeb.cpp), on Windows the C runtime.
#pragma once

#include <cstdint>

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
