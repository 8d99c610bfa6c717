#pragma once
#include <gtest/gtest.h>

#include "calc_error.h"

// Expects the statement to raise the calculation error with this number.
#define EXPECT_CALC_ERROR(statement, expected)                 \
    do {                                                       \
        int raised_ = 0;                                       \
        try {                                                  \
            statement;                                         \
        } catch (const CalcError& e) {                         \
            raised_ = e.number();                              \
        }                                                      \
        EXPECT_EQ(raised_, (expected)) << "from: " #statement; \
    } while (0)
