#include "pages/utilities/core/PasswordMask.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

namespace {

using namespace passwords;

TEST(PasswordCount, AcceptsOneToAThousandRoundedHalvesToEven)
{
    const struct {
        const wchar_t* text;
        std::optional<std::int32_t> count;
    } cases[] = {
        {L"1000", 1000}, {L"1", 1},        {L"500", 500},        {L" 12 ", 12},       {L"2.5", 2},
        {L"3.5", 4},     {L"1.4", 1},      {L"999.5", 1000},     {L"+7", 7},          {L"1000.0", 1000},
        {L"1000.5", {}}, {L"1001", {}},    {L"0.6", {}},         {L"0", {}},          {L"-5", {}},
        {L"", {}},       {L"   ", {}},     {L"abc", {}},         {L"12a", {}},        {L"1.2.3", {}},
        {L"inf", {}},    {L"0x10", {}},    {L"1e3", {}},         {L".", {}},          {L"-", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(PasswordCount(c.text), c.count);
    }
}

TEST(PasswordMask, PlaceholdersAreHashAndXOfEitherCase)
{
    EXPECT_TRUE(HasPlaceholder(L"ab#"));
    EXPECT_TRUE(HasPlaceholder(L"X"));
    EXPECT_TRUE(HasPlaceholder(L"xx-x"));
    EXPECT_FALSE(HasPlaceholder(L"ab-yz"));
    EXPECT_FALSE(HasPlaceholder(L""));
    EXPECT_EQ(WithCapitalX(L"xx-Xa-x"), L"XX-Xa-X");
}

TEST(PasswordMask, HashDrawsADigitCapitalXALetterAndTheRestIsCopied)
{
    std::deque<std::uint32_t> draws{3, 25, 0, 9};
    std::deque<std::uint32_t> bounds;
    const UniformBelow below = [&](std::uint32_t bound) {
        bounds.push_back(bound);
        const std::uint32_t value = draws.front();
        draws.pop_front();
        return value;
    };
    EXPECT_EQ(FillMask(L"KEY-#X-x#X", below), L"KEY-3Z-x0J");
    EXPECT_EQ(bounds, (std::deque<std::uint32_t>{10, 26, 10, 26}));
    EXPECT_EQ(FillMask(L"ab-xx", below), L"ab-xx");
    EXPECT_EQ(FillMask(L"", below), L"");
}

TEST(UniformBelow, WordsOfTheIncompleteLastRunAreDrawnAgain)
{
    // 2^32 mod 10 = 6: the words 0 to 5 would favour 0 to 5.
    std::deque<std::uint32_t> words{0, 5, 6, 17};
    const auto next = [&] {
        const std::uint32_t word = words.front();
        words.pop_front();
        return word;
    };
    EXPECT_EQ(Below(10, next), 6u);
    EXPECT_EQ(Below(10, next), 7u);
    EXPECT_TRUE(words.empty());
    // A power of two rejects nothing.
    std::deque<std::uint32_t> top{0xFFFFFFFFu};
    EXPECT_EQ(Below(16, [&] { return top.front(); }), 15u);
    EXPECT_EQ(Below(1, [] { return 12345u; }), 0u);
}

} // namespace
