// The release build of Skyvell.exe (preset windows-x64-release) has no test
// aids: SKYVELL_TEST_SERVER does not redirect it and SKYVELL_TEST_STOP_AT does
// not stop it. The test build, started the same way, shows that both
// variables are set as they work.
#include "tests/updater/support/UpdaterTestSupport.h"
#include "tests/wine/support/RunningProgram.h"
#include "ui/win/Text.h"
#include "updater/modTestAids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace updater_testing;
using testing_support::WaitUntil;

struct Build {
    const char* name;
    const wchar_t* folder;  // below this program's folder
    bool hasTestAids;
};

void PrintTo(const Build& build, std::ostream* out)
{
    *out << build.name;
}

struct TextSearch {
    const wchar_t* text;
    bool found;
};

BOOL CALLBACK FindText(HWND hwnd, LPARAM context)
{
    auto& search = *reinterpret_cast<TextSearch*>(context);
    wchar_t text[128] = L"";
    ::GetWindowTextW(hwnd, text, 128);
    search.found = ::IsWindowVisible(hwnd) && std::wstring(text) == search.text;
    return !search.found;
}

// True when a visible control of the wizard shows the text.
bool Shows(HWND wizard, const wchar_t* text)
{
    TextSearch search{text, false};
    ::EnumChildWindows(wizard, FindText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TextOf(HWND hwnd)
{
    wchar_t text[64] = L"";
    ::GetWindowTextW(hwnd, text, 64);
    return text;
}

class ReleaseBuild : public ::testing::TestWithParam<Build> {
protected:
    void SetUp() override
    {
        RemoveTempFolder();
        ClearServer();
        const std::wstring program = testing_support::FolderOfThisProgram() + GetParam().folder + L"\\Skyvell.exe";
        ASSERT_TRUE(::CopyFileW(program.c_str(), (root.Path() + L"\\Skyvell.exe").c_str(), FALSE))
            << "no " << win::ToAnsi(program) << ": build the windows-x64-release preset (scripts/test.sh does)";
        WriteIni(root.Ini(), {{"APPNAME", "Brevantor"}, {"FILES1", "brvt/brvt.exe"},
                              {"PATH1", "c:\\brvtupdatetemp\\brvt.exe"}});
    }

    void TearDown() override
    {
        ::SetEnvironmentVariableW(L"SKYVELL_TEST_SERVER", nullptr);
        RemoveTempFolder();
    }

    std::wstring CommandLine() const { return L"\"" + root.Path() + L"\\Skyvell.exe\""; }

    InstallRoot root{L"release"};
};

TEST_P(ReleaseBuild, SkyvellTestStopAtStopsOnlyTheTestBuild)
{
    // An installation that stopped once the new main folder was in place: the
    // next start finishes it, and SKYVELL_TEST_STOP_AT=configured would end
    // that start half way.
    WriteTextFile(root.Path() + L"\\main.old\\brvt.exe", "older program");
    WriteIni(root.InMain(L"Skyvell.ini"), {{"APPNAME", "New"}});

    ChildProcess skyvell(CommandLine(), L"configured");
    if (!GetParam().hasTestAids) {
        const HWND wizard = testing_support::WaitFor([&skyvell] { return FormOfProcess(skyvell.Id()); });
        ASSERT_NE(wizard, nullptr) << "the wizard did not show";
        EXPECT_EQ(TextOf(wizard), L"Skyvell - New") << "the installation was finished";
        EXPECT_FALSE(Exists(root.Path() + L"\\main.old"));
        PostClick(WizardButton(wizard, CancelLeft));
    }
    DWORD exitCode = 0;
    ASSERT_TRUE(skyvell.WaitForEnd(exitCode));
    EXPECT_EQ(exitCode, GetParam().hasTestAids ? modTestAids::StoppedByTest : 0u);
    EXPECT_EQ(Exists(root.Path() + L"\\main.old"), GetParam().hasTestAids);
}

TEST_P(ReleaseBuild, SkyvellTestServerRedirectsOnlyTheTestBuild)
{
    ::SetEnvironmentVariableW(L"SKYVELL_TEST_SERVER", (L"127.0.0.1:" + std::to_wstring(ServerPort())).c_str());
    ChildProcess skyvell(CommandLine());
    const HWND wizard = testing_support::WaitFor([&skyvell] { return FormOfProcess(skyvell.Id()); });
    ASSERT_NE(wizard, nullptr) << "the wizard did not show";
    const HWND next = WizardButton(wizard, NextLeft);
    const HWND cancel = WizardButton(wizard, CancelLeft);
    ASSERT_TRUE(next && cancel);

    PostClick(next);
    ASSERT_TRUE(WaitUntil([wizard] { return Shows(wizard, L"Internet Connection"); })) << "no step 2";
    // Step 3 connects: to the test's server when redirected, else to the
    // maker's, which a test machine does not reach.
    PostClick(next);
    ASSERT_TRUE(WaitUntil([wizard] {
        return Shows(wizard, L"You are connected with the Update-Server") || Shows(wizard, L"Connection Error!");
    }, 60000)) << "step 3 did not end";
    EXPECT_EQ(Shows(wizard, L"You are connected with the Update-Server"), GetParam().hasTestAids);
    ASSERT_TRUE(WaitUntil([next] { return ::IsWindowEnabled(next) != FALSE; }));
    EXPECT_EQ(TextOf(next), GetParam().hasTestAids ? L"&Next >" : L"Finish");

    // Cancel ends a connected wizard, Finish one that could not connect.
    PostClick(GetParam().hasTestAids ? cancel : next);
    DWORD exitCode = 1;
    ASSERT_TRUE(skyvell.WaitForEnd(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Builds, ReleaseBuild,
                         ::testing::Values(Build{"Release", L"\\release", false}, Build{"Test", L"\\layout", true}),
                         [](const ::testing::TestParamInfo<Build>& build) { return std::string(build.param.name); });

TEST(ReleaseProgram, HoldsNeitherVariableName)
{
    const std::string program = ReadTextFile(testing_support::FolderOfThisProgram() + L"\\release\\Skyvell.exe");
    ASSERT_NE(program, "<missing>");
    for (const std::wstring name : {L"SKYVELL_TEST_SERVER", L"SKYVELL_TEST_STOP_AT"}) {
        const std::string wide(reinterpret_cast<const char*>(name.data()), name.size() * sizeof(wchar_t));
        EXPECT_EQ(program.find(wide), std::string::npos) << win::ToAnsi(name);
    }
}

} // namespace
