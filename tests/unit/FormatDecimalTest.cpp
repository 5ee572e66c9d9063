#include <gtest/gtest.h>

#include "common/FormatDecimal.h"

TEST(FormatDecimal, WritesPlainDigits) {
    const std::pair<unsigned long long, const char*> cases[] = {
        {0, "0"},     {7, "7"},       {10, "10"},
        {255, "255"}, {1000, "1000"}, {4294967295ull, "4294967295"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(formatDecimal(value), text) << value;
}
