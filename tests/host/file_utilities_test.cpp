// The Windows-free rules of the shredder and the splitter, and the batch lines of both utilities.
#include "pages/utilities/core/BatchText.h"
#include "pages/utilities/core/ShredPasses.h"
#include "pages/utilities/core/SplitParts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cwchar>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(ShredPasses, ProtectedIsReadOnlyAloneOrWithHiddenSystemArchiveAndRandomBytesAreOneTo255)
{
    const std::set<std::uint32_t> protectedValues{1, 3, 5, 7, 33, 35, 37, 39};
    for (std::uint32_t attributes = 0; attributes < 256; ++attributes)
        EXPECT_EQ(shred::IsProtected(attributes), protectedValues.count(attributes) == 1) << attributes;
    EXPECT_FALSE(shred::IsProtected(0x2001));

    shred::RandomBytes random(12345);
    std::set<int> seen;
    for (int i = 0; i < 100000; ++i)
        seen.insert(random.Next());
    EXPECT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.begin(), 1);
}

TEST(BatchText, QuotesOnlyWhatTheCommandInterpreterWouldSplitAndDoublesPercentSigns)
{
    const std::vector<std::pair<std::wstring, std::wstring>> cases{
        {L"data.001", L"data.001"},       {L"C:\\PROGRA~1\\DATA", L"C:\\PROGRA~1\\DATA"},
        {L"my file.001", L"\"my file.001\""}, {L"a+b.zip", L"\"a+b.zip\""},
        {L"x&y;z.bin", L"\"x&y;z.bin\""}, {L"100%.txt", L"100%%.txt"},
        {L"C:\\", L"C:\\"},               {L"", L""}};
    for (const auto& [name, argument] : cases)
        EXPECT_EQ(batch::Argument(name), argument);
    EXPECT_EQ(batch::SubstCreate(L"K:", L"C:\\My Data"), L"@echo off\r\nsubst K: \"C:\\My Data\"\r\n");
}

TEST(BatchText, ASetTooLongForOneLineGoesOnByAppendingToTheTarget)
{
    std::vector<std::wstring> parts;
    for (std::uint64_t k = 1; k <= 3000; ++k)
        parts.push_back(split::PartName(L"archive.", k));
    const std::wstring text = batch::JoinParts(parts, L"archive.zip");
    // Joined back into one "copy /b a + b + ..." list, each name must come once and in order.
    std::wstring names;
    std::size_t lines = 0;
    for (std::size_t start = 0; start < text.size(); ++lines) {
        const std::size_t end = text.find(L"\r\n", start);
        ASSERT_NE(end, std::wstring::npos);
        const std::wstring line = text.substr(start, end - start);
        EXPECT_LE(line.size(), batch::MaxLineLength);
        const std::wstring head = lines == 0 ? L"copy /b " : L"copy /b archive.zip + ";
        const std::wstring tail = L" archive.zip";
        ASSERT_EQ(line.rfind(head, 0), 0u) << line.substr(0, 40);
        ASSERT_EQ(line.substr(line.size() - tail.size()), tail);
        names += line.substr(head.size(), line.size() - head.size() - tail.size()) + L" + ";
        start = end + 2;
    }
    std::wstring expected;
    for (const std::wstring& part : parts)
        expected += part + L" + ";
    EXPECT_GT(lines, 1u);
    EXPECT_EQ(names, expected);
}

TEST(SplitParts, ReadsTheSizeBoxAsBasicsValAndRoundsBytesHalfToEven)
{
    const std::vector<std::pair<std::wstring, double>> cases{
        {L"1400", 1400}, {L"700 abc", 700}, {L" 7 0 0", 700}, {L"1.5", 1.5}, {L"12.5.3", 12.5},
        {L"-5", -5},     {L"+3kb", 3},      {L"abc", 0},      {L"", 0},      {L".", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(split::LeadingNumber(text), value);
    EXPECT_EQ(split::KilobytesToBytes(1400), split::FloppyPartSize);
    EXPECT_EQ(split::KilobytesToBytes(1.0 / 2048), 0);  // half a byte
    EXPECT_EQ(split::KilobytesToBytes(3.0 / 2048), 2);  // one and a half
    EXPECT_EQ(split::KilobytesToBytes(4194304), 4294967296);
    EXPECT_EQ(split::KilobytesToBytes(1e300), std::numeric_limits<std::int64_t>::max());
}

TEST(SplitParts, NamesPartsAfterTheLastDotOfTheFileNameWithAtLeastThreeDigits)
{
    // Source, prefix of its parts, and the name the batch line ends with.
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\d\\data.zip", L"C:\\d\\data.", L"data.zip"},
        {L"C:\\d\\c.tar.gz", L"C:\\d\\c.tar.", L"c.tar.gz"},
        {L"C:\\d\\readme", L"C:\\d\\readme.", L"readme"},
        {L"C:\\my.dir\\readme", L"C:\\my.dir\\readme.", L"readme"},
        {L"C:\\Users\\john.doe\\My.Files\\notes.txt", L"C:\\Users\\john.doe\\My.Files\\notes.", L"notes.txt"},
        {L"C:/my.dir/readme", L"C:/my.dir/readme.", L"readme"},
        {L"C:\\d\\name.", L"C:\\d\\name.", L"name."},
        {L"C:\\d\\.profile", L"C:\\d\\.", L".profile"},
        {L"readme", L"readme.", L"readme"},
    };
    for (const auto& [source, prefix, title] : cases) {
        EXPECT_EQ(split::GetPartPrefix(source), prefix);
        EXPECT_EQ(split::GetFileTitleOf(source), title);
    }
    EXPECT_EQ(split::PartName(L"d.", 7), L"d.007");
    EXPECT_EQ(split::PartName(L"d.", 1000), L"d.1000");
    EXPECT_EQ(split::PartName(L"d.", 40000), L"d.40000");
    EXPECT_EQ(split::PartCount(5000000000ull, 1433600), 3488u);
}

TEST(SplitParts, KnowsASourceThatOneOfItsOwnFilesWouldReplace)
{
    struct Case {
        const wchar_t* source;
        std::uint64_t parts;
        bool replaced;
    };
    for (const Case& c : std::vector<Case>{{L"C:\\d\\data.001", 1, true},
                                           {L"C:\\d\\DATA.003", 3, true},
                                           {L"C:\\d\\data.005", 3, false},
                                           {L"C:\\d\\data.1000", 1000, true},
                                           {L"C:\\d\\data.0001", 5000, false},
                                           {L"C:\\d\\data.000", 5, false},
                                           {L"C:\\d\\data.Bat", 2, true},
                                           {L"C:\\d\\data.zip", 9, false},
                                           {L"C:\\d\\readme", 9, false},
                                           {L"C:\\d\\data.99999999999999999999999", 9, false}})
        EXPECT_EQ(split::ReplacesSource(c.source, c.parts), c.replaced)
            << std::string(c.source, c.source + std::wcslen(c.source));
}

} // namespace
