// Test helpers for the local time zone and for building time samples.
#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/win/timeb.h"

// Sets TZ for the lifetime of the object and restores the previous value.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz)
    {
        if (const char* old = std::getenv("TZ")) {
            m_hadOld = true;
            m_old = old;
        }
        Set(tz);
    }
    ~ScopedTimeZone() { Set(m_hadOld ? m_old.c_str() : nullptr); }

private:
    static void Set(const char* tz)
    {
#ifdef _WIN32
        _putenv_s("TZ", tz ? tz : "");
        _tzset();
#else
        if (tz)
            setenv("TZ", tz, 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }

private:
    bool m_hadOld = false;
    std::string m_old;
};

// A sample at the given local wall-clock time of the current TZ.
inline _timeb LocalSample(int year, int month, int day, int hour, int minute, int second, int ms = 0)
{
    struct tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    _timeb sample{};
    sample.time = mktime(&t);
    sample.millitm = static_cast<unsigned short>(ms);
    return sample;
}
