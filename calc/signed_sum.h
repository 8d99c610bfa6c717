#pragma once
// Signed sums of marked values: the loop-matrix elements over the branch
// impedances and the branch currents over the loop currents.

#include <cstdint>

#include "complex.h"

// 0 + j0, plus value[i] where mark[i] = +1 and, if minusCounts, minus
// value[i] where mark[i] = −1, for i = first … last in increasing order.
// Most marks are 0, so that is the one test made for every mark, and the
// loop is unrolled so that a run of zeros costs little more than the tests.
//
// Not checked: an overflow on the way stays infinite or NaN up to the
// result, which the caller tests.
inline Complex SignedSum(const int16_t* mark, const Complex* value, int first, int last, bool minusCounts)
{
    Complex sum;
#pragma GCC unroll 4
    for (int i = first; i <= last; ++i) {
        if (mark[i] == 0) [[likely]]
            continue;
        if (mark[i] == 1)
            sum = cpx_detail::Plus(sum, value[i]);
        else if (mark[i] == -1 && minusCounts)
            sum = cpx_detail::Minus(sum, value[i]);
    }
    return sum;
}
