// An installation stopped at each of its steps, as a crash or a power cut
// would stop it, and then the next start of the real Skyvell.exe: before its
// first step shows, the main folder is either all old or all new.
//
// The installation runs in a second copy of this program (--install <root>),
// which SKYVELL_TEST_STOP_AT ends at the named step. It takes the files of the
// staging folder as its downloads.
#include "tests/updater/support/UpdaterTestSupport.h"
#include "tests/wine/support/RunningProgram.h"
#include "ui/win/Text.h"
#include "updater/modInstall.h"
#include "updater/modTestAids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace updater_testing;

const std::vector<std::wstring> OldMain{L"English.bvl", L"brvt.exe", L"brvtupdate.txt", L"lang"};
const std::vector<std::wstring> NewMain{L"English.bvl", L"Help.txt", L"brvt.exe", L"brvtupdate.txt"};
const std::wstring Staged = L"c:\\skyvelltest\\staged";

struct Stop {
    const wchar_t* step;
    bool newVersionAfter;
};

void PrintTo(const Stop& stop, std::ostream* out)
{
    *out << win::ToAnsi(stop.step);
}

class StoppedInstallation : public ::testing::TestWithParam<Stop> {
protected:
    void SetUp() override
    {
        RemoveTempFolder();
        ASSERT_TRUE(::CopyFileW((BuiltLayout() + L"\\Skyvell.exe").c_str(), (root.Path() + L"\\Skyvell.exe").c_str(),
                                FALSE));
        WriteIni(root.Ini(), {{"APPNAME", "Old"}});
        WriteTextFile(root.InMain(L"English.bvl"), "old language");
        WriteTextFile(root.InMain(L"lang\\Deutsch.bvl"), "old language");
        ::SetFileAttributesW(root.InMain(L"lang\\Deutsch.bvl").c_str(), FILE_ATTRIBUTE_READONLY);

        WriteTextFile(Staged + L"\\brvt.exe", "new program");
        WriteTextFile(Staged + L"\\brvtupdate.txt", "4.1\r\n");
        WriteTextFile(Staged + L"\\English.bvl", "new language");
        WriteTextFile(Staged + L"\\Help.txt", "new help");
        WriteIni(Staged + L"\\Skyvell.ini", {{"APPNAME", "New"}});
    }
    void TearDown() override
    {
        RemoveTempFolder();
        modInstall::DeleteFolder(Staged);
    }

    // Runs the installation in another process, stopped at a step or not at all.
    DWORD Install(const std::wstring& stopAt)
    {
        ChildProcess child(L"\"" + testing_support::FolderOfThisProgram() + L"\\updater_install_test.exe\" --install \"" +
                               root.Path() + L"\"",
                           stopAt);
        DWORD exitCode = 0;
        EXPECT_TRUE(child.WaitForEnd(exitCode));
        return exitCode;
    }

    // Starts Skyvell.exe, checks the folders once its window shows, and cancels it.
    void StartSkyvellAndExpect(bool newVersion)
    {
        ChildProcess skyvell(L"\"" + root.Path() + L"\\Skyvell.exe\"");
        const HWND wizard = testing_support::WaitFor([&skyvell] { return FormOfProcess(skyvell.Id()); });
        ASSERT_NE(wizard, nullptr) << "the wizard did not show";

        wchar_t caption[64] = L"";
        ::GetWindowTextW(wizard, caption, 64);
        EXPECT_EQ(std::wstring(caption), newVersion ? L"Skyvell - New" : L"Skyvell - Old");
        EXPECT_EQ(FolderContent(root.Path()), (std::vector<std::wstring>{L"Skyvell.exe", L"Skyvell.ini", L"main"}));
        EXPECT_EQ(FolderContent(root.Main()), newVersion ? NewMain : OldMain);
        EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), newVersion ? "new program" : "old program");
        EXPECT_EQ(ReadTextFile(root.InMain(L"English.bvl")), newVersion ? "new language" : "old language");
        EXPECT_EQ(ReadTextFile(root.InMain(L"brvtupdate.txt")), newVersion ? "4.1\r\n" : "4.0\r\n");
        if (newVersion) {
            EXPECT_FALSE(Exists(TempFolder)) << "a finished installation removes the download folder";
        }

        // Cancel before any transfer ends the wizard.
        const HWND cancel = WizardButton(wizard, CancelLeft);
        ASSERT_NE(cancel, nullptr);
        PostClick(cancel);
        DWORD exitCode = 1;
        EXPECT_TRUE(skyvell.WaitForEnd(exitCode)) << "Cancel did not end the wizard";
        EXPECT_EQ(exitCode, 0u);
    }

    InstallRoot root{L"install"};
};

TEST_P(StoppedInstallation, TheNextStartFindsAWholeMainFolder)
{
    ASSERT_EQ(Install(GetParam().step), modTestAids::StoppedByTest) << "the installation did not stop there";
    StartSkyvellAndExpect(GetParam().newVersionAfter);
}

// Before the new folder takes the old one's place the old version stays; after, the new one is finished.
INSTANTIATE_TEST_SUITE_P(AtEveryStep, StoppedInstallation,
                         ::testing::Values(Stop{L"copying", false}, Stop{L"copied", false}, Stop{L"built", false},
                                           Stop{L"moved-old", false}, Stop{L"swapped", true},
                                           Stop{L"configured", true}, Stop{L"cleaned", true}),
                         [](const ::testing::TestParamInfo<Stop>& stop) {
                             std::string name = win::ToAnsi(stop.param.step);
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(StoppedInstallation, AnInstallationThatRunsThroughNeedsNoRepair)
{
    ASSERT_EQ(Install(L""), 0u);
    EXPECT_EQ(FolderContent(root.Main()), NewMain);
    StartSkyvellAndExpect(true);
}

// The installation of the staged files, as downloads of a fresh download folder.
int InstallStaged(const std::wstring& root)
{
    DownloadFolder downloads;
    if (downloads.Create() != DownloadFolder::State::Ready)
        return 2;
    for (const std::wstring& name : FolderContent(Staged)) {
        const std::string content = ReadTextFile(Staged + L"\\" + name);
        const HANDLE file = downloads.Open(InTemp(name));
        DWORD written = 0;
        if (!file || !::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr))
            return 2;
        downloads.Arrived(file, static_cast<std::int64_t>(written));
    }
    return modInstall::InstallUpdate(InstallLayout(root), downloads) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--install")
        return InstallStaged(win::FromAnsi(argv[2]));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
