#include "pages/system/core/RamFigures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

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

constexpr std::uint64_t Piece = ram::TurnBytes / 2;  // characters written between two turns

TEST(RamFigures, BlocksAreWrittenWithSpacesAndATurnAfterEachPieceAndAtTheEnd)
{
    const struct {
        std::uint64_t characters;
        std::size_t offset;  // from a word boundary
        int turns;
    } cases[] = {
        {0, 0, 1},  // an empty block still takes its turn
        {1, 1, 1},
        {7, 3, 1},  // shorter than a word, not on a word boundary
        {Piece - 1, 1, 1},
        {Piece, 0, 1},
        {Piece + 1, 2, 2},
        {2 * Piece + 5, 1, 3},
    };
    for (const auto& c : cases) {
        // A guard character on each side that must stay as it is.
        std::vector<char16_t> memory(c.characters + c.offset + 2, u'x');
        char16_t* block = memory.data() + c.offset + 1;
        std::vector<std::uint64_t> writtenAtTurn;
        const bool finished = ram::FillWithSpaces(block, c.characters, [&] {
            writtenAtTurn.push_back(static_cast<std::uint64_t>(std::count(block, block + c.characters, u' ')));
            return true;
        });
        EXPECT_TRUE(finished) << c.characters;
        EXPECT_EQ(writtenAtTurn.size(), static_cast<std::size_t>(c.turns)) << c.characters;
        for (std::size_t turn = 0; turn + 1 < writtenAtTurn.size(); ++turn)
            EXPECT_EQ(writtenAtTurn[turn], (turn + 1) * Piece) << c.characters << " turn " << turn;
        EXPECT_EQ(writtenAtTurn.back(), c.characters) << "written in full";
        EXPECT_EQ(block[-1], u'x') << c.characters;
        EXPECT_EQ(block[c.characters], u'x') << c.characters;
    }
}

TEST(RamFigures, ATurnThatEndsTheCleaningStopsTheWriting)
{
    std::vector<char16_t> block(3 * Piece, u'x');
    int turns = 0;
    EXPECT_FALSE(ram::FillWithSpaces(block.data(), block.size(), [&] { return ++turns < 2; }));
    EXPECT_EQ(turns, 2);
    EXPECT_EQ(std::count(block.begin(), block.end(), u' '), static_cast<std::ptrdiff_t>(2 * Piece));
    EXPECT_EQ(block.back(), u'x');
}

} // namespace
