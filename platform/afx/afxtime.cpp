#include "platform/afx/afxtime.h"

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    thread_local struct tm s_tm;
    struct tm* result = ptm ? ptm : &s_tm;
    const time_t seconds = static_cast<time_t>(m_time);
#ifdef _WIN32
    const bool converted = localtime_s(result, &seconds) == 0;
#else
    const bool converted = localtime_r(&seconds, result) != nullptr;
#endif
    if (!converted) {
        *result = {};  // out of the C library's range: the epoch's fields stay zero
        result->tm_mday = 1;
        result->tm_year = 70;
    }
    return result;
}
