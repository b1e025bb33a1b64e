#include "shell/core/LanguageFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using language::Lookup;
using language::Parse;
using language::ParseError;

struct Expected {
    std::int16_t number;
    std::string text;
};

void ExpectTexts(const std::string& bytes, const std::vector<Expected>& expected)
{
    const language::ParsedFile file = Parse(bytes);
    ASSERT_EQ(file.error, ParseError::None) << "line " << file.errorLine;
    EXPECT_EQ(file.errorLine, 0u);
    for (const Expected& e : expected)
        EXPECT_EQ(Lookup(file, e.number), e.text) << "number " << e.number;
}

TEST(LanguageFileLines, AnEmptyFileHasNoTexts)
{
    const language::ParsedFile file = Parse("");
    EXPECT_EQ(file.error, ParseError::None);
    EXPECT_TRUE(file.texts.empty());
    for (const std::int16_t number : {std::int16_t{0}, std::int16_t{1000}, std::int16_t{-32768}, std::int16_t{32767}})
        EXPECT_EQ(Lookup(file, number), "");
}

TEST(LanguageFileLines, CrLfAndALoneCrEndALine)
{
    ExpectTexts("1000 Hello\r\n1010 World\r\n", {{1000, "Hello"}, {1010, "World"}});
    ExpectTexts("1000 Hello\r1010 World\r", {{1000, "Hello"}, {1010, "World"}});
    ExpectTexts("1000 Hello\r1010 World\r\n1020 Again", {{1000, "Hello"}, {1010, "World"}, {1020, "Again"}});
}

TEST(LanguageFileLines, TheLastLineCountsWithoutALineEnd)
{
    ExpectTexts("1000 Hello\r\n1010 World", {{1000, "Hello"}, {1010, "World"}});
    ExpectTexts("1000 Hello", {{1000, "Hello"}});
}

TEST(LanguageFileLines, ALoneLfStaysInsideTheLine)
{
    ExpectTexts("1000 a\n1010 b", {{1000, "a\n1010 b"}, {1010, ""}});
    // A file with Unix line ends is one long line: a bad "line" after an LF does not fail it.
    ExpectTexts("1000 a\nabc\n1010\n", {{1000, "a\nabc\n1010\n"}, {1010, ""}});
    // An LF just before CR LF belongs to the text.
    ExpectTexts("1000 a\n\r\n1010 b", {{1000, "a\n"}, {1010, "b"}});
    // CR LF is one line end, not a line end followed by a line holding an LF.
    ExpectTexts("1000 a\r\n1010 b\r\n", {{1000, "a"}, {1010, "b"}});
}

TEST(LanguageFileLines, EmptyLinesAreSkippedAnywhere)
{
    const std::vector<std::string> files = {
        "\r\n\r\n1000 x\r\n1010 y",          // leading
        "1000 x\r\n\r\n\r\n1010 y",          // between
        "1000 x\r\n1010 y\r\n\r\n\r\n",      // trailing
        "\r\r1000 x\r\r1010 y\r\r",          // lone CRs
        "\r\n\r1000 x\r\r\n1010 y\r\n\r",    // mixed
    };
    for (const std::string& bytes : files) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        ExpectTexts(bytes, {{1000, "x"}, {1010, "y"}});
    }
    ExpectTexts("\r\n\r\n", {{0, ""}});
}

struct TextCase {
    std::string line;
    std::int16_t number;
    std::string text;
};

TEST(LanguageFileText, StartsAtTheSixthByteWhateverTheNumbersWidth)
{
    const std::vector<TextCase> cases = {
        {"1000 Drive cleaner", 1000, "Drive cleaner"},
        {"100 Hello", 100, "ello"},
        {"10 abc", 10, "c"},
        {"+7 abcdef", 7, "cdef"},
        {"0007 abc", 7, "abc"},
        {"1000  indented", 1000, " indented"},
        {"12345 x", 12345, " x"},  // a five-byte number keeps its blank in the text
        {"-1234 x", -1234, " x"},
        {"1 abcd", 1, "d"},        // 6 bytes give a one-byte text, 5 bytes none
        {"1 abc", 1, "??????"},
        {"-5 x", -5, "??????"},
        {"1000 ", 1000, "??????"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.line);
        ExpectTexts(c.line + "\r\n", {{c.number, c.text}});
    }
}

TEST(LanguageFileText, NumbersCoverTheSixteenBitRange)
{
    const std::vector<TextCase> cases = {
        {"32767 x", 32767, " x"},
        {"-32768 x", -32768, "8 x"},
        {"+32767 x", 32767, "7 x"},
        {"0 zero", 0, "o"},
        {"-0 zero", 0, "ro"},
        {"0000000000000000000000001000 long", 1000, "00000000000000000001000 long"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.line);
        ExpectTexts(c.line, {{c.number, c.text}});
    }
}

TEST(LanguageFileText, AMissingNumberIsEmptyAndAnEmptyTextIsMarked)
{
    ExpectTexts("1000 \r\n1010 x", {{1000, "??????"}, {1010, "x"}, {1020, ""}, {-1000, ""}});
}

TEST(LanguageFileText, TheLastLineWithANumberWins)
{
    ExpectTexts("1000 Hello\r\n1000 World", {{1000, "World"}});
    ExpectTexts("1000 Hello\r\n1010 Other\r\n1000 World\r\n", {{1000, "World"}, {1010, "Other"}});
    // Written the same number another way, it is still the same entry.
    ExpectTexts("7 abcdef\r\n0007 later", {{7, "later"}});
    // A later empty text replaces a filled one, and the other way round.
    ExpectTexts("1000 Hello\r\n1000 ", {{1000, "??????"}});
    ExpectTexts("1000 \r\n1000 Hello", {{1000, "Hello"}});
}

TEST(LanguageFileText, KeepsNulAndHighBytes)
{
    const std::string text("a\0b\x80\xE4\xFC\xFF", 7);
    ExpectTexts("1000 " + text + "\r\n1010 \xC4nderung", {{1000, text}, {1010, "\xC4nderung"}});
    ExpectTexts(std::string("1000 \0", 6), {{1000, std::string(1, '\0')}});
}

struct BadLine {
    std::string line;
    ParseError error;
};

const std::vector<BadLine>& BadLines()
{
    static const std::vector<BadLine> lines = {
        {"abc def", ParseError::NotANumber},
        {"1000", ParseError::LineWithoutBlank},
        {"1000\tx", ParseError::LineWithoutBlank},  // only 0x20 separates
        {"\n", ParseError::LineWithoutBlank},
        {"40000 x", ParseError::NumberOutOfRange},
        {"32768 x", ParseError::NumberOutOfRange},
        {"-32769 x", ParseError::NumberOutOfRange},
        {"99999999999999999999 x", ParseError::NumberOutOfRange},
        {"-99999999999999999999 x", ParseError::NumberOutOfRange},
        {"4294968296 x", ParseError::NumberOutOfRange},            // 2^32 + 1000
        {"18446744073709552616 x", ParseError::NumberOutOfRange},  // 2^64 + 1000
        {" 1000 x", ParseError::NotANumber},
        {"   ", ParseError::NotANumber},
        {" ", ParseError::NotANumber},
        {"+ x", ParseError::NotANumber},
        {"- x", ParseError::NotANumber},
        {"+-1 x", ParseError::NotANumber},
        {"1e3 x", ParseError::NotANumber},
        {"0x10 x", ParseError::NotANumber},
        {"1,000 x", ParseError::NotANumber},
        {"12a x", ParseError::NotANumber},
        {"99999999999999999999a x", ParseError::NotANumber},
    };
    return lines;
}

TEST(LanguageFileFailure, ABadLineAnywhereFailsEveryLookup)
{
    for (const BadLine& bad : BadLines()) {
        SCOPED_TRACE(testing::PrintToString(bad.line));
        const std::vector<std::pair<std::string, std::size_t>> files = {
            {"1000 Hello\r\n" + bad.line + "\r\n1010 World\r\n", 2},  // between good lines
            {"1000 Hello\r\n1010 World\r\n" + bad.line, 3},          // last, without a line end
            {bad.line + "\r1000 Hello\r1010 World", 1},              // first, lone CRs
            {"\r\n1000 Hello\r\n\r\n" + bad.line + "\r\n", 4},       // empty lines still count
        };
        for (const auto& [bytes, line] : files) {
            const language::ParsedFile file = Parse(bytes);
            EXPECT_EQ(file.error, bad.error);
            EXPECT_EQ(file.errorLine, line);
            EXPECT_EQ(Lookup(file, 1000), "");
            EXPECT_EQ(Lookup(file, 1010), "");
        }
    }
}

TEST(LanguageFileFailure, TheFirstBadLineDecides)
{
    const language::ParsedFile notANumber = Parse("abc def\r\n1000\r\n40000 x");
    EXPECT_EQ(notANumber.error, ParseError::NotANumber);
    EXPECT_EQ(notANumber.errorLine, 1u);

    const language::ParsedFile outOfRange = Parse("1000 ok\r\n\r\n40000 x\r\nabc");
    EXPECT_EQ(outOfRange.error, ParseError::NumberOutOfRange);
    EXPECT_EQ(outOfRange.errorLine, 3u);
    EXPECT_TRUE(outOfRange.texts.empty());
}

TEST(LanguageFileInserts, MarkersTakeTheirInsertsAndLineBreaksWhereverTheTextPutsThem)
{
    struct Case {
        std::wstring text;
        std::vector<std::wstring> inserts;
        std::wstring filled;
    };
    const std::vector<Case> cases = {
        {L"The drive %1 could not be created.", {L"X:"}, L"The drive X: could not be created."},
        {L"%2 und %1", {L"eins", L"zwei"}, L"zwei und eins"},       // the order the translation wants
        {L"%1%1", {L"ab"}, L"abab"},                               // a marker used twice
        {L"Datei %1", {L"C:\%2\a.txt", L"no"}, L"Datei C:\%2\a.txt"},  // an insert is not read again
        {L"%3 stays, 100% too, %0 and a last %", {L"a", L"b"}, L"%3 stays, 100% too, %0 and a last %"},
        {L"First:%n%1%n", {L"second"}, L"First:\r\nsecond\r\n"},  // line breaks
        {L"%1", {L"a%nb"}, L"a%nb"},                                // not even a line break
        {L"No markers", {L"unused"}, L"No markers"},
        {L"", {}, L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(language::FillInserts(c.text, c.inserts), c.filled) << testing::PrintToString(c.text);
}

TEST(LanguageFileName, APlainNameOfAnyLanguageIsTaken)
{
    const wchar_t* const taken[] = {
        L"English", L"Deutsch", L"English.bvl", L"Deutsch (Schweiz)", L"Portugu\u00eas do Brasil", L"en.GB",
        L"en.GB.bvl", L"Fran\u00e7ais", L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac", L"\u65e5\u672c\u8a9e",
        L" English", L"English.", L"x",
        // Close to a device, but none.
        L"com10", L"console", L"nullx", L"lpt", L"com", L"conin", L"auxiliary.bvl", L"xcom1", L"com1x",
        L"lpt\u00b9\u00b9", L"com\u2074",
    };
    for (const wchar_t* name : taken) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        EXPECT_TRUE(language::IsPlainFileName(name));
    }
}

TEST(LanguageFileName, ADeviceInAnySpellingIsRefused)
{
    const wchar_t* const devices[] = {
        L"com1", L"COM1", L"Com9", L"com0", L"com1.txt", L"com1.bvl", L"com1 .bvl", L"com1.tar.gz",
        L"com\u00b9", L"COM\u00b2.bvl", L"lpt\u00b3", L"lpt1", L"LPT9", L"lpt0", L"Lpt5.bvl",
        L"nul", L"NUL", L"nul ", L"Nul.", L"nul .txt", L"nul.bvl", L"con", L"con .x", L"CON.bvl", L"prn", L"aux.bvl",
        L"conin$", L"CONIN$.bvl", L"conout$", L"clock$",
    };
    for (const wchar_t* name : devices) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        EXPECT_FALSE(language::IsPlainFileName(name));
    }
}

TEST(LanguageFileName, AnythingBeyondOneNameInTheFolderIsRefused)
{
    const std::wstring refused[] = {
        // Empty, or what Windows trims to nothing.
        L"", L".", L" ", L". .", L"...",
        // Another folder, a drive or a stream.
        L"..", L"..\\x", L"../x", L"..bvl", L"en..GB", L"a\\b", L"a/b", L"\\English", L"C:\\x", L"C:x", L"c:",
        L"English.bvl:hidden", L"\\\\server\\share\\x", L"\\\\.\\COM1",
        // Wildcards and characters no file name may hold.
        L"*.bvl", L"Engl?sh", L"a\"b", L"a<b", L"a>b", L"a|b",
        L"a\tb", L"a\nb", L"a\rb", L"\x1f", std::wstring(L"a\0b", 3),
    };
    for (const std::wstring& name : refused) {
        SCOPED_TRACE(testing::PrintToString(name));
        EXPECT_FALSE(language::IsPlainFileName(name));
    }
}

} // namespace
