// CTime: a point in time as seconds since 1970, with its local calendar view.
#pragma once

#include <ctime>

#include "platform/win/timeb.h"

class CTime {
public:
    CTime() = default;
    explicit CTime(__time64_t time) : m_time(time) {}

    // The local-time conversion. With no record given, the result lives in a
    // per-thread buffer that the next call overwrites.
    struct tm* GetLocalTm(struct tm* ptm = nullptr) const;

private:
    __time64_t m_time = 0;
};
