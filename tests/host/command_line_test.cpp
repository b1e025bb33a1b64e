// Command lines of started programs: which paths need no search, how an
// argument is quoted so that the program reads it back whole, and which
// variables a registered path may use.
#include "ui/core/CommandLine.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

std::string Narrow(std::wstring_view text)
{
    return std::string(text.begin(), text.end());
}

TEST(CommandLine, OnlyADrivePathOrAShareIsAFullPath)
{
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"C:\\Windows\\system32\\cmd.exe", true},
        {L"c:\\x", true},
        {L"C:\\", true},
        {L"\\\\server\\share\\tool.exe", true},
        {L"\\\\server\\share", true},
        {L"cmd.exe", false},
        {L"cmd", false},
        {L".\\cmd.exe", false},
        {L"..\\cmd.exe", false},
        {L"system32\\cmd.exe", false},
        {L"C:cmd.exe", false},           // relative to drive C's current folder
        {L"\\Windows\\cmd.exe", false},  // relative to the current drive
        {L"C:/Windows/cmd.exe", false},
        {L"1:\\x", false},
        {L"\\\\?\\C:\\x.exe", false},
        {L"\\\\.\\C:\\x.exe", false},
        {L"\\\\server", false},
        {L"\\\\server\\", false},
        {L"\\\\\\share\\x", false},
        {L"", false},
    };
    for (const auto& [path, full] : cases)
        EXPECT_EQ(commandline::IsFullPath(path), full) << Narrow(path);
}

TEST(CommandLine, AnArgumentIsQuotedSoThatItReadsBackWhole)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\Windows\\system32\\cmd.exe", L"C:\\Windows\\system32\\cmd.exe"},
        {L"C:\\Program Files\\x.dll", L"\"C:\\Program Files\\x.dll\""},
        {L"a\tb", L"\"a\tb\""},
        {L"", L"\"\""},
        // Backslashes escape only a quote, including the closing one.
        {L"C:\\my folder\\", L"\"C:\\my folder\\\\\""},
        {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
        {L"a\\\"b", L"\"a\\\\\\\"b\""},
        {L"a\\\\b c", L"\"a\\\\b c\""},
    };
    for (const auto& [argument, quoted] : cases)
        EXPECT_EQ(commandline::Quoted(argument), quoted) << Narrow(argument);
}

TEST(CommandLine, TheLineIsTheQuotedProgramAndTheArgumentsAsGiven)
{
    EXPECT_EQ(commandline::Line(L"C:\\Windows\\system32\\cmd.exe", L"/c \"\"C:\\a b\\make.bat\"\""),
              L"C:\\Windows\\system32\\cmd.exe /c \"\"C:\\a b\\make.bat\"\"");
    EXPECT_EQ(commandline::Line(L"D:\\My Windows\\system32\\cleanmgr.exe", L""),
              L"\"D:\\My Windows\\system32\\cleanmgr.exe\"");
}

TEST(CommandLine, ARegisteredPathMayUseOnlyTheKnownVariables)
{
    const commandline::Variables known = {{L"ProgramFiles", L"C:\\Program Files"}, {L"SystemRoot", L"C:\\Windows"}};
    struct Case {
        const wchar_t* text;
        std::optional<std::wstring> expanded;
    };
    const Case cases[] = {
        {L"C:\\Tools\\x.exe", L"C:\\Tools\\x.exe"},
        {L"%ProgramFiles%\\x.exe", L"C:\\Program Files\\x.exe"},
        {L"%programfiles%\\x.exe", L"C:\\Program Files\\x.exe"},
        {L"%SystemRoot%\\a;%ProgramFiles%\\b", L"C:\\Windows\\a;C:\\Program Files\\b"},
        {L"%SystemRoot%", L"C:\\Windows"},
        {L"", L""},
        {L"%USERPROFILE%\\x.exe", std::nullopt},
        {L"%ProgramFiles", std::nullopt},
        {L"100%", std::nullopt},
        {L"%%\\x.exe", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandline::ExpandKnown(c.text, known), c.expanded) << Narrow(c.text);
    // A variable's value is not read for variables again.
    EXPECT_EQ(commandline::ExpandKnown(L"%A%", {{L"A", L"%B%"}, {L"B", L"x"}}), L"%B%");
}

} // namespace
