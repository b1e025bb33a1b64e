#include "pages/system/core/RamFigures.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr std::uint64_t MB = 1024 * 1024;

TEST(RamFigures, KilobytesRoundHalvesToEven)
{
    EXPECT_EQ(ram::Kilobytes(0), 0u);
    EXPECT_EQ(ram::Kilobytes(511), 0u);
    EXPECT_EQ(ram::Kilobytes(512), 0u);   // half: to the even 0
    EXPECT_EQ(ram::Kilobytes(1536), 2u);  // half: to the even 2
    EXPECT_EQ(ram::Kilobytes(2560), 2u);
    EXPECT_EQ(ram::Kilobytes(2561), 3u);
    // 16 GB and more: beyond what a signed 32-bit byte count can hold.
    EXPECT_EQ(ram::Kilobytes(16 * 1024 * MB), 16u * 1024 * 1024);
}

TEST(RamFigures, MegabytesShowTheirFractionWithTheUsersSeparator)
{
    EXPECT_EQ(ram::Megabytes(129454080, L"."), L"123.45703125");
    EXPECT_EQ(ram::Megabytes(129454080, L","), L"123,45703125");
    EXPECT_EQ(ram::Megabytes(512 * MB, L","), L"512");
    EXPECT_EQ(ram::Megabytes(0, L"."), L"0");
    // A third of a byte's worth of MB needs more than 15 digits: cut to 15 significant.
    EXPECT_EQ(ram::Megabytes(1, L"."), L"9.5367431640625e-07");
    EXPECT_EQ(ram::Megabytes(3 * 1024 * MB + 1, L"."), L"3072.00000095367");
}

TEST(RamFigures, BlocksHoldSeventyPercentOfThePhysicalMemory)
{
    EXPECT_EQ(ram::BlockCharacters(512 * MB), 8947849u);  // 8947848.53
    EXPECT_EQ(ram::BlockCharacters(90), 2u);              // 1.5: to the even 2
    EXPECT_EQ(ram::BlockCharacters(150), 2u);             // 2.5: to the even 2
    const std::uint64_t total = 32ull * 1024 * MB;
    const std::uint64_t peakBytes = ram::BlockCharacters(total) * 2 * ram::Blocks;
    EXPECT_NEAR(static_cast<double>(peakBytes) / static_cast<double>(total), 0.7, 1e-9);
}

} // namespace
