#include "platform/win/timeb.h"

#include <ctime>

void _ftime(_timeb* timeptr)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    timeptr->time = now.tv_sec;
    timeptr->millitm = static_cast<unsigned short>(now.tv_nsec / 1000000);

    tm local{};
    const time_t seconds = now.tv_sec;
    localtime_r(&seconds, &local);
    timeptr->timezone = static_cast<short>(timezone / 60);
    timeptr->dstflag = static_cast<short>(local.tm_isdst > 0);
}

bool AfxLocalTime(__time64_t seconds, struct tm* result)
{
    const time_t t = static_cast<time_t>(seconds);
    return localtime_r(&t, result) != nullptr;
}
