#include "platform/afx/afxtime.h"

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    thread_local struct tm s_tm;
    struct tm* result = ptm ? ptm : &s_tm;
    if (!AfxLocalTime(m_time, result)) {
        *result = {};  // out of the C library's range: the epoch's fields stay zero
        result->tm_mday = 1;
        result->tm_year = 70;
    }
    return result;
}
