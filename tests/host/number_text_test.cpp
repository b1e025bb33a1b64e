#include "ui/core/NumberText.h"

#include <gtest/gtest.h>

namespace {

using numbertext::RoundedLeadingValue;
using numbertext::StrictInteger;

TEST(StrictInteger, TakesTheWholeTextAsANumberWithBlanksAround)
{
    EXPECT_EQ(StrictInteger(L"1790"), 1790);
    EXPECT_EQ(StrictInteger(L" 1790 "), 1790);
    EXPECT_EQ(StrictInteger(L"\t1790"), 1790);
    EXPECT_EQ(StrictInteger(L"-1"), -1);
    EXPECT_EQ(StrictInteger(L"+12"), 12);
    EXPECT_EQ(StrictInteger(L"0042"), 42);
}

TEST(StrictInteger, FailsOnEmptyOrNonNumericText)
{
    EXPECT_EQ(StrictInteger(L""), std::nullopt);
    EXPECT_EQ(StrictInteger(L"   "), std::nullopt);
    EXPECT_EQ(StrictInteger(L"abc"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"12a"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"1 2"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"-"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"- 5"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"12.0"), std::nullopt);
}

TEST(StrictInteger, HoldsTheSixteenBitRangeExactly)
{
    EXPECT_EQ(StrictInteger(L"32767"), 32767);
    EXPECT_EQ(StrictInteger(L"-32768"), -32768);
    EXPECT_EQ(StrictInteger(L"32768"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"-32769"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"40000"), std::nullopt);
    // A long digit run must not wrap around into the range.
    EXPECT_EQ(StrictInteger(L"4294967297"), std::nullopt);
    EXPECT_EQ(StrictInteger(L"99999999999999999999999"), std::nullopt);
}

TEST(RoundedLeadingValue, ReadsTheNumberTheTextStartsWith)
{
    EXPECT_EQ(RoundedLeadingValue(L"1790"), 1790);
    EXPECT_EQ(RoundedLeadingValue(L"24601"), 24601);
    EXPECT_EQ(RoundedLeadingValue(L"12abc"), 12);
    EXPECT_EQ(RoundedLeadingValue(L"  7"), 7);
    EXPECT_EQ(RoundedLeadingValue(L"-3"), -3);
    EXPECT_EQ(RoundedLeadingValue(L"+3"), 3);
    EXPECT_EQ(RoundedLeadingValue(L"12 34"), 12);
}

TEST(RoundedLeadingValue, TextWithoutALeadingNumberIsZero)
{
    EXPECT_EQ(RoundedLeadingValue(L""), 0);
    EXPECT_EQ(RoundedLeadingValue(L"abc"), 0);
    EXPECT_EQ(RoundedLeadingValue(L"abc1"), 0);
    EXPECT_EQ(RoundedLeadingValue(L"-"), 0);
    EXPECT_EQ(RoundedLeadingValue(L"."), 0);
}

TEST(RoundedLeadingValue, RoundsHalfToEven)
{
    EXPECT_EQ(RoundedLeadingValue(L"2.5"), 2);
    EXPECT_EQ(RoundedLeadingValue(L"3.5"), 4);
    EXPECT_EQ(RoundedLeadingValue(L"0.5"), 0);
    EXPECT_EQ(RoundedLeadingValue(L".5"), 0);
    EXPECT_EQ(RoundedLeadingValue(L"-2.5"), -2);
    EXPECT_EQ(RoundedLeadingValue(L"-3.5"), -4);
    EXPECT_EQ(RoundedLeadingValue(L"2.50"), 2);
    EXPECT_EQ(RoundedLeadingValue(L"2.501"), 3);
    EXPECT_EQ(RoundedLeadingValue(L"2.49"), 2);
    EXPECT_EQ(RoundedLeadingValue(L"2.6"), 3);
    EXPECT_EQ(RoundedLeadingValue(L"7."), 7);
    EXPECT_EQ(RoundedLeadingValue(L"1.5.9"), 2);
}

TEST(RoundedLeadingValue, FailsWhenTheRoundedValueLeavesTheRange)
{
    EXPECT_EQ(RoundedLeadingValue(L"99999"), std::nullopt);
    EXPECT_EQ(RoundedLeadingValue(L"32767"), 32767);
    EXPECT_EQ(RoundedLeadingValue(L"32767.4"), 32767);
    EXPECT_EQ(RoundedLeadingValue(L"32767.5"), std::nullopt);
    EXPECT_EQ(RoundedLeadingValue(L"-32768.5"), -32768);
    EXPECT_EQ(RoundedLeadingValue(L"-32768.6"), std::nullopt);
    EXPECT_EQ(RoundedLeadingValue(L"99999999999999999999999"), std::nullopt);
}

} // namespace
