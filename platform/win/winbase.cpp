// The kernel functions that need no system behind them.
#include "platform/win/winbase.h"

#include <cstdint>

int MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    long long num = static_cast<long long>(nNumber) * nNumerator;
    long long den = nDenominator;
    if (den < 0)
        num = -num, den = -den;
    const long long q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
    return q > INT32_MAX || q < INT32_MIN ? -1 : int(q);
}
