#include "common/Money.h"

#include <gtest/gtest.h>

#include "common/Error.h"

using namespace ftf;

TEST(Money, RealsRoundTiesToEven) {
    struct Case { long double in; std::int64_t raw; } cases[] = {
        {1.00005L, 10000},   {1.00015L, 10002}, {-1.00005L, -10000}, {-1.00015L, -10002},
        {0.00004L, 0},       {2.5L, 25000},     {123.45678L, 1234568},
    };
    for (const auto& c : cases) EXPECT_EQ(Money::FromReal(c.in).Raw(), c.raw) << (double)c.in;
}

TEST(Money, FixedFormatAndRange) {
    EXPECT_EQ(Money::FromRaw(-12345).ToFixed4(), "-1.2345");
    EXPECT_EQ(Money::FromRaw(INT64_MAX).ToFixed4(), "922337203685477.5807");
    EXPECT_EQ(Money::FromRaw(INT64_MIN).ToFixed4(), "-922337203685477.5808");
    EXPECT_THROW(Money::FromReal(1e16L), FtfError);
    EXPECT_TRUE(Money::InRange(922337203685477.0L));
}
