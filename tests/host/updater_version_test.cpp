#include "updater/core/Version.h"

#include <gtest/gtest.h>

namespace {

using version::ParseVersion;

TEST(ParseVersion, ReadsADecimalNumberInTheLocalesNotation)
{
    EXPECT_EQ(ParseVersion("4.1", "."), 41000);
    EXPECT_EQ(ParseVersion("4,1", ","), 41000);
    EXPECT_EQ(ParseVersion("4", "."), 40000);
    EXPECT_EQ(ParseVersion("  4.0 ", "."), 40000);
    EXPECT_EQ(ParseVersion(".5", "."), 5000);
    EXPECT_EQ(ParseVersion("12.", "."), 120000);
    EXPECT_EQ(ParseVersion("-1.5", "."), -15000);
}

TEST(ParseVersion, TheOtherSeparatorIsNoDecimalPoint)
{
    EXPECT_EQ(ParseVersion("4.1", ","), std::nullopt);
    EXPECT_EQ(ParseVersion("4,1", "."), std::nullopt);
}

TEST(ParseVersion, KeepsFourDecimalsAndRoundsTheRestHalfToEven)
{
    EXPECT_EQ(ParseVersion("1.23456", "."), 12346);
    EXPECT_EQ(ParseVersion("1.00005", "."), 10000);
    EXPECT_EQ(ParseVersion("1.00015", "."), 10002);
    EXPECT_EQ(ParseVersion("1.000051", "."), 10001);
}

TEST(ParseVersion, WhatIsNoNumberGivesNothing)
{
    EXPECT_EQ(ParseVersion("", "."), std::nullopt);
    EXPECT_EQ(ParseVersion("   ", "."), std::nullopt);
    EXPECT_EQ(ParseVersion(".", "."), std::nullopt);
    EXPECT_EQ(ParseVersion("v4.1", "."), std::nullopt);
    EXPECT_EQ(ParseVersion("4.1 beta", "."), std::nullopt);
    EXPECT_EQ(ParseVersion("99999999999999999999", "."), std::nullopt);
    EXPECT_EQ(ParseVersion("922337203685477.5808", "."), std::nullopt) << "one unit beyond 64 bits";
    EXPECT_EQ(ParseVersion("922337203685477.5807", "."), INT64_MAX);
}

TEST(VersionOrZero, AVersionThatCannotBeReadCountsAsZero)
{
    EXPECT_EQ(version::VersionOrZero("garbage", "."), 0);
    EXPECT_EQ(version::VersionOrZero("", "."), 0);
    EXPECT_GT(version::VersionOrZero("4.1", "."), version::VersionOrZero("4.0", "."));
    EXPECT_EQ(version::VersionOrZero("4.10", "."), version::VersionOrZero("4.1", ".")) << "a number, not a text";
}

} // namespace
