// Local time on Windows. The C runtime reads TZ in its own form only, a
// three-letter name and the hours west of UTC ("JST-9"), and takes any other
// ("Asia/Tokyo", as a Linux shell hands it to Wine) for UTC. With such a TZ
// the local time is the system's: its time zone, which Wine sets from the
// same TZ.
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/win/timeb.h"
#include "platform/win/winbase.h"

namespace {

// TZ is unset, or in the runtime's form: three letters and an hour offset,
// or "UTC" or "GMT" alone, which it reads as UTC.
bool RuntimeReadsTz(const char* tz)
{
    if (!tz || !*tz || !std::strcmp(tz, "UTC") || !std::strcmp(tz, "GMT"))
        return true;
    for (int i = 0; i < 3; ++i)
        if (!std::isalpha(static_cast<unsigned char>(tz[i])))
            return false;
    return tz[3] == '+' || tz[3] == '-' || std::isdigit(static_cast<unsigned char>(tz[3]));
}

// 100-nanosecond intervals from 1601 to 1970, and in a second.
constexpr long long kEpochOffset = 116444736000000000LL;
constexpr long long kTicksPerSecond = 10000000LL;

long long Ticks(const FILETIME& ft)
{
    return static_cast<long long>((static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

bool SystemLocalTime(__time64_t seconds, struct tm* result)
{
    if (seconds < -kEpochOffset / kTicksPerSecond || seconds > (LLONG_MAX - kEpochOffset) / kTicksPerSecond)
        return false;
    const unsigned long long ticks = static_cast<unsigned long long>(seconds * kTicksPerSecond + kEpochOffset);
    const FILETIME utcTicks{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc, local;
    FILETIME localTicks;
    if (!FileTimeToSystemTime(&utcTicks, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) ||
        !SystemTimeToFileTime(&local, &localTicks))
        return false;

    // Daylight-saving time is in force when the offset is not the standard one.
    const long long minutesEast = (Ticks(localTicks) - Ticks(utcTicks)) / (60 * kTicksPerSecond);
    TIME_ZONE_INFORMATION zone;
    const bool dst = GetTimeZoneInformationForYear(local.wYear, nullptr, &zone) && zone.DaylightDate.wMonth != 0 &&
                     minutesEast != -(zone.Bias + zone.StandardBias);

    static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int year = local.wYear;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    *result = {};
    result->tm_year = year - 1900;
    result->tm_mon = local.wMonth - 1;
    result->tm_mday = local.wDay;
    result->tm_hour = local.wHour;
    result->tm_min = local.wMinute;
    result->tm_sec = local.wSecond;
    result->tm_wday = local.wDayOfWeek;
    result->tm_yday = kDaysBefore[local.wMonth - 1] + local.wDay - 1 + (leap && local.wMonth > 2 ? 1 : 0);
    result->tm_isdst = dst ? 1 : 0;
    return true;
}

}  // namespace

bool AfxLocalTime(__time64_t seconds, struct tm* result)
{
    if (RuntimeReadsTz(std::getenv("TZ")))
        return _localtime64_s(result, &seconds) == 0;
    return SystemLocalTime(seconds, result);
}
