// The real Skyvell.exe, started the way brvt starts it and driven by clicks on
// the screen through its four steps against the test's FTP server, which
// offers version 4.1 with the real brvt.exe. SKYVELL_TEST_SERVER points it there.
#include "shell/Registry.h"
#include "tests/updater/support/UpdaterTestSupport.h"
#include "tests/wine/support/RunningProgram.h"
#include "ui/win/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace updater_testing;
using testing_support::WaitUntil;

const std::string NewIni =
    "[Skyvell]\r\nAPPNAME=Brevantor\r\nEXECUTE=1\r\nEXECFILES=main\\brvt.exe\r\n"
    "FILES1=brvt/brvt.exe\r\nPATH1=c:\\brvtupdatetemp\\brvt.exe\r\n";

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        RemoveTempFolder();
        ClearServer();
        // brvt, once started, asks for a language: a window of its own to find.
        Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"lngfile");
        ASSERT_TRUE(::CopyFileW((BuiltLayout() + L"\\Skyvell.exe").c_str(), (root.Path() + L"\\Skyvell.exe").c_str(),
                                FALSE));
        WriteIni(root.Ini(), {{"APPNAME", "Brevantor"}, {"EXECUTE", "0"}, {"FILES1", "brvt/brvt.exe"},
                              {"PATH1", "c:\\brvtupdatetemp\\brvt.exe"}, {"FILES2", "brvt/English.bvl"},
                              {"PATH2", "c:\\brvtupdatetemp\\English.bvl"}, {"FILES3", "brvt/Skyvell.ini"},
                              {"PATH3", "c:\\brvtupdatetemp\\Skyvell.ini"}});
        Serve("brvt/brvtupdate.txt", "4.1\r\n");
        Serve("brvt/Skyvell.ini", NewIni);
        Serve("brvt/English.bvl", ReadTextFile(BuiltLayout() + L"\\main\\English.bvl"));
        MakeFolders(ServedFolder() + L"\\brvt");
        ASSERT_TRUE(::CopyFileW((BuiltLayout() + L"\\main\\brvt.exe").c_str(),
                                (ServedFolder() + L"\\brvt\\brvt.exe").c_str(), FALSE));
        ::SetEnvironmentVariableW(L"SKYVELL_TEST_SERVER", (L"127.0.0.1:" + std::to_wstring(ServerPort())).c_str());
    }

    void TearDown() override
    {
        ::SetEnvironmentVariableW(L"SKYVELL_TEST_SERVER", nullptr);
        Registry::DeleteValue(RegRoot::CurrentUser, SettingsKey, L"lngfile");
        RemoveTempFolder();
    }

    InstallRoot root{L"e2e"};
};

bool Enabled(HWND wizard, int leftTwips)
{
    const HWND button = WizardButton(wizard, leftTwips);
    return button && ::IsWindowEnabled(button);
}

// The language dialog of a brvt.exe started from the given path.
HWND LanguageDialogOf(const std::wstring& program)
{
    const HWND dialog = testing_support::VisibleWindow(L"BrvtForm", testing_support::DialogCaption);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(dialog, &processId);
    return dialog && _wcsicmp(ProgramOfProcess(processId).c_str(), program.c_str()) == 0 ? dialog : nullptr;
}

TEST_F(EndToEnd, FourStepsInstallTheNewVersionAndFinishStartsIt)
{
    ChildProcess skyvell(L"\"" + root.Path() + L"\\Skyvell.exe\"");
    const HWND wizard = testing_support::WaitFor([&skyvell] { return FormOfProcess(skyvell.Id()); });
    ASSERT_NE(wizard, nullptr) << "the wizard did not show";
    wchar_t caption[64] = L"";
    ::GetWindowTextW(wizard, caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Skyvell - Brevantor");
    EXPECT_FALSE(Enabled(wizard, BackLeft)) << "step 1 has no Back";

    // A window that has only just appeared may miss a click while it becomes active.
    bool onStep2 = false;
    for (int attempt = 0; attempt < 5 && !onStep2; ++attempt) {
        ClickWizardButton(wizard, NextLeft);
        onStep2 = WaitUntil([wizard] { return Enabled(wizard, BackLeft); }, 1000);
    }
    ASSERT_TRUE(onStep2) << "Next did not lead to step 2";

    // Step 3 connects; the buttons come back once it has.
    ClickWizardButton(wizard, NextLeft);
    ::Sleep(300);
    ASSERT_TRUE(WaitUntil([wizard] { return Enabled(wizard, NextLeft) && Enabled(wizard, CancelLeft); }));

    // Step 4: Cancel goes once a newer version is found; Next comes back as Finish.
    ClickWizardButton(wizard, NextLeft);
    ASSERT_TRUE(WaitUntil([wizard] { return !Enabled(wizard, CancelLeft); })) << "no update began";
    ASSERT_TRUE(WaitUntil([wizard] { return Enabled(wizard, NextLeft); }, 60000)) << "the update did not end";
    EXPECT_FALSE(Enabled(wizard, BackLeft));

    EXPECT_EQ(FolderContent(root.Path()), (std::vector<std::wstring>{L"Skyvell.exe", L"Skyvell.ini", L"main"}));
    EXPECT_EQ(FolderContent(root.Main()), (std::vector<std::wstring>{L"English.bvl", L"brvt.exe", L"brvtupdate.txt"}));
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvt.exe")), ReadTextFile(BuiltLayout() + L"\\main\\brvt.exe"));
    EXPECT_EQ(ReadTextFile(root.InMain(L"brvtupdate.txt")), "4.1\r\n");
    EXPECT_EQ(ReadTextFile(root.Ini()), NewIni);
    EXPECT_FALSE(Exists(TempFolder));

    // Finish: the new configuration says to start the new brvt.
    ClickWizardButton(wizard, NextLeft);
    DWORD exitCode = 1;
    ASSERT_TRUE(skyvell.WaitForEnd(exitCode)) << "Finish did not end the wizard";
    EXPECT_EQ(exitCode, 0u);
    const std::wstring started = root.InMain(L"brvt.exe");
    const HWND dialog = testing_support::WaitFor([&started] { return LanguageDialogOf(started); });
    ASSERT_NE(dialog, nullptr) << "Finish did not start " << win::ToAnsi(started);

    DWORD brvtId = 0;
    ::GetWindowThreadProcessId(dialog, &brvtId);
    const win::unique_handle brvt(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, brvtId));
    ASSERT_TRUE(brvt);
    ::TerminateProcess(brvt.get(), 0);
    ::WaitForSingleObject(brvt.get(), 5000);
}

} // namespace
