#include "pages/utilities/core/TimeProtocol.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace timeprotocol;

std::string Bytes(std::initializer_list<unsigned char> values)
{
    return std::string(values.begin(), values.end());
}

TEST(TimeAnswer, FourBytesAreTheSecondsSince1900)
{
    // 3277466384 seconds since 1900, 437325584 after 1990.
    const std::string answer = Bytes({0xC3, 0x5A, 0x2B, 0x10});
    EXPECT_EQ(SecondsSince1990(answer), 437325584);
    EXPECT_EQ(ServerTime(answer, 0), (UtcTime{2003, 11, 10, 15, 19, 44}));
}

TEST(TimeAnswer, HalfTheRoundTripIsAddedToTheNearestSecondHalvesToEven)
{
    const std::string answer = Bytes({0xC3, 0x5A, 0x2B, 0x10});
    const struct {
        float delay;
        int second;
    } cases[] = {{0.4f, 44}, {0.5f, 44}, {0.6f, 45}, {1.5f, 46}, {2.5f, 46}, {3.5f, 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delay);
        EXPECT_EQ(ServerTime(answer, c.delay), (UtcTime{2003, 11, 10, 15, 19, c.second}));
    }
}

TEST(TimeAnswer, OnlyBlanksAroundTheAnswerAreTrimmed)
{
    EXPECT_EQ(TrimBlanks("  ab  "), "ab");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\tab\r"), "\tab\r");
    // A blank inside stays.
    EXPECT_EQ(TrimBlanks(" a b "), "a b");
}

TEST(TimeAnswer, AnythingButFourBytesAfterTrimmingIsNoTime)
{
    EXPECT_FALSE(ServerTime("", 0));
    EXPECT_FALSE(ServerTime(Bytes({0xC3, 0x5A, 0x2B}), 0));
    EXPECT_FALSE(ServerTime(Bytes({0xC3, 0x5A, 0x2B, 0x10, 0x00}), 0));
    // A last byte of 32 is trimmed away, so the answer is three bytes long.
    EXPECT_FALSE(ServerTime(Bytes({0xC3, 0x5A, 0x2B, 0x20}), 0));
    EXPECT_FALSE(ServerTime(Bytes({0x20, 0x5A, 0x2B, 0x10}), 0));
    // Blanks around four bytes are trimmed.
    EXPECT_EQ(ServerTime(Bytes({0x20, 0xC3, 0x5A, 0x2B, 0x10, 0x20}), 0), (UtcTime{2003, 11, 10, 15, 19, 44}));
}

TEST(TimeAnswer, TheCountWrapsIntoTheNextEraOn7February2036)
{
    // The last second of the first era, then the first ones of the next.
    EXPECT_EQ(ServerTime(Bytes({0xFF, 0xFF, 0xFF, 0xFF}), 0), (UtcTime{2036, 2, 7, 6, 28, 15}));
    EXPECT_EQ(ServerTime(Bytes({0x00, 0x00, 0x00, 0x00}), 0), (UtcTime{2036, 2, 7, 6, 28, 16}));
    EXPECT_EQ(ServerTime(Bytes({0x00, 0x00, 0x00, 0x05}), 0.6f), (UtcTime{2036, 2, 7, 6, 28, 22}));
    // The 1990 offset itself is the base date; one second below it is the next era's end.
    EXPECT_EQ(ServerTime(Bytes({0xA9, 0x49, 0x1C, 0x00}), 0), (UtcTime{1990, 1, 1, 0, 0, 0}));
    EXPECT_EQ(SecondsSince1990(Bytes({0xA9, 0x49, 0x1B, 0xFF})), 4294967295);
    EXPECT_EQ(FromSecondsSince1990(4294967295), (UtcTime{2126, 2, 7, 6, 28, 15}));
}

TEST(TimeAnswer, DatesFollowTheGregorianCalendar)
{
    const struct {
        std::int64_t days;
        UtcTime date;
    } cases[] = {
        {0, {1990, 1, 1, 0, 0, 0}},
        {59, {1990, 3, 1, 0, 0, 0}},
        {3711, {2000, 2, 29, 0, 0, 0}},  // 2000 is a leap year
        {3712, {2000, 3, 1, 0, 0, 0}},
        {40236, {2100, 3, 1, 0, 0, 0}},  // 2100 is none: 28 February is followed by 1 March
        {40235, {2100, 2, 28, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days);
        EXPECT_EQ(FromSecondsSince1990(c.days * 86400), c.date);
    }
    EXPECT_EQ(FromSecondsSince1990(86399), (UtcTime{1990, 1, 1, 23, 59, 59}));
}

} // namespace
