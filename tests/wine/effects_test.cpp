// The real effects seam where a test can use it without harm, and the system
// folders that it starts programs from.
#include "tests/wine/support/PlantedTools.h"
#include "tests/wine/support/RunningProgram.h"
#include "tests/wine/support/TestFiles.h"
#include "ui/Effects.h"
#include "ui/SystemFolders.h"
#include "ui/win/Handles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::FileExists;
using testing_support::ReadBytes;
using testing_support::WaitUntil;

std::wstring Marker(const wchar_t* name)
{
    const std::wstring marker = testing_support::FolderOfThisProgram() + L"\\" + name;
    ::DeleteFileW(marker.c_str());
    return marker;
}

// What a started program found as its current folder, as the command interpreter writes it.
std::wstring CurrentFolderIn(const std::wstring& marker)
{
    std::string text = ReadBytes(marker);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    ::DeleteFileW(marker.c_str());
    return std::wstring(text.begin(), text.end());
}

TEST(RealSeam, RunsAProgramByItsFullPathInTheSystemFolder)
{
    const std::wstring marker = Marker(L"program-ran.txt");
    ASSERT_TRUE(effects::Current().RunProgram(
        {systemfolders::InSystem(L"cmd.exe"), L"/c cd>\"" + marker + L"\""}, SW_SHOWMINIMIZED));
    ASSERT_TRUE(WaitUntil([&] { return !ReadBytes(marker).empty(); }));
    EXPECT_EQ(CurrentFolderIn(marker), systemfolders::System());

    EXPECT_FALSE(effects::Current().RunProgram({systemfolders::InSystem(L"no-such-program.exe"), L""},
                                               SW_SHOWNOACTIVATE));
}

TEST(RealSeam, WhatTheShellOpensStartsInTheSystemFolder)
{
    const std::wstring marker = Marker(L"shell-ran.txt");
    const std::wstring batch = testing_support::FolderOfThisProgram() + L"\\shell-open.bat";
    testing_support::WriteBytes(batch, "@cd>\"" + std::string(marker.begin(), marker.end()) + "\"\r\n");
    effects::Current().ShellExecute(nullptr, batch);
    ASSERT_TRUE(WaitUntil([&] { return !ReadBytes(marker).empty(); }));
    ::DeleteFileW(batch.c_str());
    EXPECT_EQ(CurrentFolderIn(marker), systemfolders::System());
}

TEST(RealSeam, AProgramWithoutItsFullPathIsNotLookedFor)
{
    testing_support::PlantedTools planted{L"tool.exe"};
    for (const wchar_t* program : {L"tool.exe", L"tool", L".\\tool.exe", L"..\\planted-current\\tool.exe",
                                   L"\\\\?\\C:\\tool.exe", L"C:tool.exe"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(program)));
        EXPECT_FALSE(effects::Current().RunProgram({program, L""}, SW_SHOWNOACTIVATE));
        EXPECT_FALSE(effects::Current().RunProgramToEnd({program, L""}, SW_SHOWNOACTIVATE, 5000));
    }
    EXPECT_EQ(planted.RanElsewhere(), std::vector<std::wstring>{});
}

// A tool's App Paths entry, in the test prefix that is thrown away after the run.
class RegisteredTool : public ::testing::Test {
protected:
    static constexpr wchar_t Key[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\brvt-test-tool.exe";

    void TearDown() override { ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, Key); }

    static void Register(DWORD type, const std::wstring& path)
    {
        win::unique_hkey key;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExW(key.get(), nullptr, 0, type, reinterpret_cast<const BYTE*>(path.c_str()),
                         static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }
};

TEST_F(RegisteredTool, AToolThatTheSystemFolderLacksComesFromItsRegistrationInTheSystemsOwnFolders)
{
    const std::wstring inSystem = systemfolders::InSystem(L"brvt-test-tool.exe");
    ASSERT_FALSE(FileExists(inSystem));
    EXPECT_EQ(systemfolders::Tool(L"brvt-test-tool.exe"), inSystem) << "nothing registered";

    const std::wstring program = testing_support::FolderOfThisProgram() + L"\\test-tools\\noter.exe";
    wchar_t programFiles[MAX_PATH] = L"";
    ::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, programFiles);
    const std::wstring inProgramFiles = std::wstring(programFiles) + L"\\brvt-test-tool.exe";
    ASSERT_TRUE(::CopyFileW(program.c_str(), inProgramFiles.c_str(), FALSE));
    // The user's own environment may give any folder these names.
    wchar_t environmentValue[MAX_PATH] = L"";
    ::GetEnvironmentVariableW(L"ProgramFiles", environmentValue, MAX_PATH);
    ::SetEnvironmentVariableW(L"ProgramFiles", L"C:\\planted");

    struct Case {
        const char* what;
        DWORD type;
        std::wstring registered;
        std::wstring found;
    };
    const Case cases[] = {
        {"as written", REG_SZ, program, program},
        {"in quotes", REG_SZ, L"\"" + program + L"\"", program},
        {"by the system's program files", REG_EXPAND_SZ, L"%ProgramFiles%\\brvt-test-tool.exe", inProgramFiles},
        {"by the user's profile", REG_EXPAND_SZ, L"%USERPROFILE%\\brvt-test-tool.exe", inSystem},
        {"a file that is not there", REG_SZ, program + L".missing", inSystem},
        {"a name without its folder", REG_SZ, L"noter.exe", inSystem},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Register(c.type, c.registered);
        EXPECT_EQ(systemfolders::Tool(L"brvt-test-tool.exe"), c.found);
    }
    ::SetEnvironmentVariableW(L"ProgramFiles", environmentValue);
    ::DeleteFileW(inProgramFiles.c_str());
}

} // namespace
