#include <gtest/gtest.h>

#include <limits>

#include "frame/numeric.h"

TEST(Numeric, CheckedConversionRejectsWhatCannotBeAnInteger) {
    SINT32 out = 77;
    EXPECT_FALSE(to_int32_checked(std::numeric_limits<double>::quiet_NaN(), out));
    EXPECT_FALSE(to_int32_checked(std::numeric_limits<double>::infinity(), out));
    EXPECT_FALSE(to_int32_checked(-std::numeric_limits<double>::infinity(), out));
    EXPECT_FALSE(to_int32_checked(2147483648.0, out));
    EXPECT_FALSE(to_int32_checked(-2147483649.0, out));
    EXPECT_EQ(out, 77);
    EXPECT_TRUE(to_int32_checked(2147483647.9, out));
    EXPECT_EQ(out, 2147483647);
    EXPECT_TRUE(to_int32_checked(-2147483648.5, out));
    EXPECT_EQ(out, -2147483647 - 1);
    EXPECT_TRUE(to_int32_checked(-1.9, out));
    EXPECT_EQ(out, -1);
}

TEST(Numeric, SaturatedConversionAlwaysGivesAValue) {
    EXPECT_EQ(to_int32_saturated(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(to_int32_saturated(1e300), 2147483647);
    EXPECT_EQ(to_int32_saturated(-1e300), -2147483647 - 1);
    EXPECT_EQ(to_int32_saturated(-std::numeric_limits<double>::infinity()), -2147483647 - 1);
    EXPECT_EQ(to_int32_saturated(359.99), 359);
}

TEST(Numeric, IndexAndDegreeHelpers) {
    EXPECT_EQ(to_index(1.5, 3), 1);
    EXPECT_EQ(to_index(-0.5, 3), -1);
    EXPECT_EQ(to_index(3.0, 3), -1);
    EXPECT_EQ(to_index(std::numeric_limits<double>::quiet_NaN(), 3), -1);
    EXPECT_EQ(wrap_degrees(-1), 359);
    EXPECT_EQ(wrap_degrees(720), 0);
    EXPECT_EQ(wrap_degrees(-2147483647 - 1), 232);
}
