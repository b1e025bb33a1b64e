#include "updater/core/TransferText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using namespace transfertext;

TEST(FormatTimeRemaining, SplitsIntoWholeMinutesAndTheSecondsLeft)
{
    EXPECT_EQ(FormatTimeRemaining(125), L"Time remaining : 2 minutes 5 seconds");
    EXPECT_EQ(FormatTimeRemaining(0), L"Time remaining : 0 minutes 0 seconds");
    EXPECT_EQ(FormatTimeRemaining(59), L"Time remaining : 0 minutes 59 seconds");
    EXPECT_EQ(FormatTimeRemaining(60), L"Time remaining : 1 minutes 0 seconds");
    EXPECT_EQ(FormatTimeRemaining(7384), L"Time remaining : 123 minutes 4 seconds");
}

TEST(FormatTimeRemaining, MinutesAreTheLargestWholeNumberNotAbove)
{
    // Int() rounds down, not toward zero.
    EXPECT_EQ(FormatTimeRemaining(-5), L"Time remaining : -1 minutes 55 seconds");
}

TEST(PercentDone, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(PercentDone(10000, 5000), 50);
    EXPECT_EQ(PercentDone(200, 1), 0);    // 0.5
    EXPECT_EQ(PercentDone(200, 3), 2);    // 1.5
    EXPECT_EQ(PercentDone(200, 5), 2);    // 2.5
    EXPECT_EQ(PercentDone(1000, 6), 1);   // 0.6
    EXPECT_EQ(PercentDone(3, 1), 33);
    EXPECT_EQ(PercentDone(3, 2), 67);
    EXPECT_EQ(PercentDone(10000, 10000), 100);
}

TEST(PercentDone, StaysWithinTheBarWhatEverTheServerSends)
{
    EXPECT_EQ(PercentDone(10000, 25000), 100);
    EXPECT_EQ(PercentDone(0, 4096), 100) << "a size of 0 must not divide by zero";
    EXPECT_EQ(PercentDone(0, 0), 0);
    // Beyond 32 bits, where a 16-bit percent of done * 100 would overflow.
    EXPECT_EQ(PercentDone(8'000'000'000, 4'000'000'000), 50);
}

TEST(BarWidthTwips, IsFortyOneAndAHalfTwipsAPercent)
{
    EXPECT_EQ(BarWidthTwips(50), 2075);
    EXPECT_EQ(BarWidthTwips(100), 4150);
    EXPECT_EQ(BarWidthTwips(0), 0);
    EXPECT_EQ(BarWidthTwips(1), 42);
}

TEST(FileSizeText, CountsInThousandsWithOneDecimalInTheLocalesNotation)
{
    EXPECT_EQ(FileSizeText(5000, 10000, L"."), L"5.0Kb / 10.0 Kb");
    EXPECT_EQ(FileSizeText(5000, 10000, L","), L"5,0Kb / 10,0 Kb");
    EXPECT_EQ(FileSizeText(4096, 1234567, L"."), L"4.1Kb / 1234.6 Kb") << "no grouping";
    EXPECT_EQ(FileSizeText(49, 0, L"."), L"0.0Kb / 0.0 Kb") << "at least one integer digit";
    EXPECT_EQ(FileSizeText(50, 150, L"."), L"0.1Kb / 0.2 Kb") << "halves round away from zero";
}

TEST(AverageText, CountsTheLastSecondsBytesInUnitsOf1024)
{
    EXPECT_EQ(AverageText(4096, L"."), L"Average : 4.0 / Kbps");
    EXPECT_EQ(AverageText(1536, L","), L"Average : 1,5 / Kbps");
    EXPECT_EQ(AverageText(100, L"."), L"Average : 0.1 / Kbps");
}

TEST(SecondsRemaining, DividesWhatIsLeftByTheBytesOfTheLastSecond)
{
    EXPECT_EQ(SecondsRemaining(10000, 2000, 1000), 8);
    EXPECT_EQ(SecondsRemaining(10000, 9000, 400), 2) << "2.5 rounds to even";
    EXPECT_EQ(SecondsRemaining(10000, 8600, 400), 4) << "3.5 rounds to even";
    EXPECT_EQ(SecondsRemaining(10000, 10000, 400), 0);
    EXPECT_EQ(SecondsRemaining(10000, 12000, 400), 0) << "more than listed leaves nothing";
    EXPECT_EQ(SecondsRemaining(10000, 0, 0), 0) << "no bytes in the last second divides by nothing";
}

// Sizes up to 2^63 - 1 bytes, a listed size of 0 and one smaller than what
// arrived: sane texts and no overflow (the host tests run under UBSan).
constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();

TEST(TransferTextAtTheLimits, PercentDoneStaysExactForTheLargestSizes)
{
    EXPECT_EQ(PercentDone(Largest, Largest), 100);
    EXPECT_EQ(PercentDone(Largest, Largest - 1), 100) << "99.99...% rounds up";
    EXPECT_EQ(PercentDone(Largest, Largest / 2), 50);
    EXPECT_EQ(PercentDone(Largest, 1), 0);
    EXPECT_EQ(PercentDone(Largest, Largest / 100 * 37), 37);
    EXPECT_EQ(PercentDone(Largest - 1, Largest), 100) << "more than listed";
    EXPECT_EQ(PercentDone(0, Largest), 100);
    EXPECT_EQ(PercentDone(Largest, 0), 0);
}

TEST(TransferTextAtTheLimits, SizesInKilobytesKeepEveryDigit)
{
    EXPECT_EQ(FileSizeText(Largest, Largest, L"."), L"9223372036854775.8Kb / 9223372036854775.8 Kb");
    EXPECT_EQ(FileSizeText(4096, 0, L"."), L"4.1Kb / 0.0 Kb") << "a listed size of 0";
    EXPECT_EQ(FileSizeText(12000, 4000, L","), L"12,0Kb / 4,0 Kb") << "more than listed";
    EXPECT_EQ(FileSizeText(std::numeric_limits<std::int64_t>::min(), 0, L"."), L"-9223372036854775.8Kb / 0.0 Kb");
    EXPECT_EQ(AverageText(Largest, L"."), L"Average : 9007199254740992.0 / Kbps");
}

TEST(TransferTextAtTheLimits, TimeLeftIsCappedAtTheLargestCount)
{
    EXPECT_EQ(SecondsRemaining(Largest, 0, 1), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(SecondsRemaining(Largest, 0, Largest), 1);
    EXPECT_EQ(SecondsRemaining(Largest, 1, Largest), 1) << "just under a second rounds up";
    EXPECT_EQ(SecondsRemaining(Largest, Largest - (Largest - 1) / 2, Largest - 1), 0) << "half a second, even";
    EXPECT_EQ(SecondsRemaining(0, 4096, 1000), 0) << "a listed size of 0";
    EXPECT_EQ(FormatTimeRemaining(std::numeric_limits<std::int32_t>::max()),
              L"Time remaining : 35791394 minutes 7 seconds");
    EXPECT_EQ(FormatTimeRemaining(std::numeric_limits<std::int32_t>::min()),
              L"Time remaining : -35791395 minutes 52 seconds");
}

} // namespace
