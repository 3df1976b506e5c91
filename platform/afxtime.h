// CTime: a point in time as seconds since 1970, with its local calendar view.
#pragma once

#include <ctime>

#include "platform/timeb.h"

class CTime {
public:
    CTime() = default;
    explicit CTime(__time64_t time) : m_time(time) {}

    __time64_t GetTime() const { return m_time; }

    // The local-time conversion. With no record given, the result lives in a
    // per-thread buffer that the next call overwrites.
    struct tm* GetLocalTm(struct tm* ptm = nullptr) const;

    int GetYear() const { return GetLocalTm()->tm_year + 1900; }
    int GetMonth() const { return GetLocalTm()->tm_mon + 1; }
    int GetDay() const { return GetLocalTm()->tm_mday; }
    int GetHour() const { return GetLocalTm()->tm_hour; }
    int GetMinute() const { return GetLocalTm()->tm_min; }
    int GetSecond() const { return GetLocalTm()->tm_sec; }

private:
    __time64_t m_time = 0;
};
