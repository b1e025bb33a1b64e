// The wizard's steps and buttons in this process, against the test's FTP
// server, with scripted message boxes and program starts.
#include "tests/updater/support/UpdaterTestSupport.h"
#include "ui/win/Text.h"
#include "updater/modInstall.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace updater_testing;

struct Shown {
    std::wstring caption, info, end;
};

Shown TextsOf(FrmSkyvell& wizard)
{
    return {wizard.lblCaption.Caption(), wizard.lblInfo.Caption(), wizard.lblEnd.Caption()};
}

struct Buttons {
    bool back, next, cancel;
    std::wstring nextCaption;
};

Buttons ButtonsOf(FrmSkyvell& wizard)
{
    return {wizard.cmdBack.Enabled(), wizard.cmdNext.Enabled(), wizard.cmdCancel.Enabled(), wizard.cmdNext.Caption()};
}

void ExpectTexts(FrmSkyvell& wizard, const Shown& expected)
{
    const Shown shown = TextsOf(wizard);
    EXPECT_EQ(shown.caption, expected.caption);
    EXPECT_EQ(shown.info, expected.info);
    EXPECT_EQ(shown.end, expected.end);
}

void ExpectButtons(FrmSkyvell& wizard, const Buttons& expected)
{
    const Buttons shown = ButtonsOf(wizard);
    EXPECT_EQ(shown.back, expected.back) << "Back";
    EXPECT_EQ(shown.next, expected.next) << "Next";
    EXPECT_EQ(shown.cancel, expected.cancel) << "Cancel";
    EXPECT_EQ(shown.nextCaption, expected.nextCaption);
}

const Shown Welcome{L"Welcome to the Skyvell of Brevantor",
                    L"Skyvell will download and install the latest Updates from the Internet.",
                    L"Press Next to Continue"};
const Shown Notice{L"Internet Connection", L"After you clicked on Next, Skyvell will connect to the Update-Server.",
                   L"Press Next to Connect"};
const Shown Connected{L"You are connected with the Update-Server",
                      L"Skyvell is now ready to receive the Update-Information", L"Press Next to Continue"};
const Shown NotConnected{L"Connection Error!", L"The server is currently unavailable. Please try again later.",
                         L"Impossible to connect"};
const Shown NothingNew{L"Thank you for using Skyvell", L"There are no updates available at this moment.",
                       L"Press Finish to Quit"};

class WizardSteps : public WizardTest {
protected:
    void SetUp() override
    {
        WizardTest::SetUp();
        WriteIni(root.Ini(), {{"APPNAME", "Brevantor"}, {"FILES1", "brvt/brvt.exe"},
                              {"PATH1", "c:\\brvtupdatetemp\\brvt.exe"}, {"EXECUTE", "1"},
                              {"EXECFILES", "main\\brvt.exe"}});
        Serve("brvt/brvtupdate.txt", "4.0\r\n");
        Serve("brvt/brvt.exe", "new program");
    }
};

TEST_F(WizardSteps, EveryStepShowsItsTextsAndButtons)
{
    FrmSkyvell& wizard = Wizard();
    EXPECT_EQ(wizard.Caption(), L"Skyvell - Brevantor");
    EXPECT_EQ(wizard.Step, 1);
    ExpectTexts(wizard, Welcome);
    ExpectButtons(wizard, {false, true, true, L"&Next >"});
    EXPECT_EQ(wizard.cmdBack.Caption(), L"< &Back");
    EXPECT_EQ(wizard.cmdCancel.Caption(), L"Cancel");

    Press(wizard.cmdNext);
    EXPECT_EQ(wizard.Step, 2);
    ExpectTexts(wizard, Notice);
    ExpectButtons(wizard, {true, true, true, L"&Next >"});

    Press(wizard.cmdNext);
    EXPECT_EQ(wizard.Step, 3);
    ExpectTexts(wizard, Connected);
    ExpectButtons(wizard, {true, true, true, L"&Next >"});
    EXPECT_TRUE(wizard.hInternet && wizard.hConnect);

    // The server's version is the installed one.
    Press(wizard.cmdNext);
    EXPECT_EQ(wizard.Step, 4);
    ExpectTexts(wizard, NothingNew);
    ExpectButtons(wizard, {false, true, false, L"Finish"});
    EXPECT_FALSE(wizard.UpdateDone);
}

// Keys posted to the focused button, handed out by the program's event loop.
TEST_F(WizardSteps, TabReachesTheEnabledButtonsInOrderAndEnterPressesThem)
{
    FrmSkyvell& wizard = Wizard();
    const auto type = [](WPARAM key) {
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, 0xC0000001);
        ui::DoEvents();
    };
    ::SetFocus(wizard.Hwnd());
    type(VK_TAB);
    EXPECT_EQ(::GetFocus(), wizard.cmdNext.Hwnd()) << "Back is disabled at the welcome";
    type(VK_TAB);
    EXPECT_EQ(::GetFocus(), wizard.cmdCancel.Hwnd());
    type(VK_TAB);
    EXPECT_EQ(::GetFocus(), wizard.cmdNext.Hwnd());
    type(VK_RETURN);
    EXPECT_EQ(wizard.Step, 2);
    type(VK_SPACE);
    EXPECT_EQ(wizard.Step, 3);

    ::SetFocus(wizard.cmdCancel.Hwnd());
    type(VK_TAB);
    EXPECT_EQ(::GetFocus(), wizard.cmdBack.Hwnd());
    type(VK_RETURN);
    EXPECT_EQ(wizard.Step, 2);
}

TEST_F(WizardSteps, BackReturnsToTheStepBeforeWithItsTexts)
{
    FrmSkyvell& wizard = Wizard();
    Press(wizard.cmdNext);
    Press(wizard.cmdBack);
    EXPECT_EQ(wizard.Step, 1);
    ExpectTexts(wizard, Welcome);
    ExpectButtons(wizard, {false, true, true, L"&Next >"});

    Press(wizard.cmdNext);
    Press(wizard.cmdNext);
    ASSERT_EQ(wizard.Step, 3);
    Press(wizard.cmdBack);
    EXPECT_EQ(wizard.Step, 2);
    ExpectTexts(wizard, Notice);
    ExpectButtons(wizard, {true, true, true, L"&Next >"});
}

TEST_F(WizardSteps, BackFromTheConnectionConnectsAnewOnNext)
{
    FrmSkyvell& wizard = Wizard();
    Press(wizard.cmdNext);
    Press(wizard.cmdNext);
    ExpectTexts(wizard, Connected);
    Press(wizard.cmdBack);

    // Only a new connection can find that the server has gone.
    seam.updateServer = {L"127.0.0.1", 1};
    Press(wizard.cmdNext);
    EXPECT_EQ(wizard.Step, 3);
    ExpectTexts(wizard, NotConnected);
    EXPECT_FALSE(wizard.hConnect) << "the first connection's handle stayed";
}

TEST_F(WizardSteps, AFailedConnectionLeavesOnlyFinish)
{
    seam.updateServer = {L"127.0.0.1", 1};  // nothing listens there
    FrmSkyvell& wizard = Wizard();
    Press(wizard.cmdNext);
    Press(wizard.cmdNext);
    ExpectTexts(wizard, NotConnected);
    ExpectButtons(wizard, {false, true, false, L"Finish"});

    Press(wizard.cmdNext);
    EXPECT_FALSE(wizard.IsLoaded()) << "Finish ends the wizard";
    EXPECT_TRUE(seam.processes.empty());
}

TEST_F(WizardSteps, FinishAfterNoUpdateStartsNothing)
{
    WriteTextFile(root.InMain(L"brvt.exe"), "an existing program");
    FrmSkyvell& wizard = Wizard();
    RunToTheEnd();
    ExpectTexts(wizard, NothingNew);
    Press(wizard.cmdNext);
    EXPECT_FALSE(wizard.IsLoaded());
    EXPECT_TRUE(seam.processes.empty());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(WizardSteps, CancelBeforeAnyTransferEndsTheWizardWithoutAQuestion)
{
    FrmSkyvell& wizard = Wizard();
    Press(wizard.cmdNext);
    Press(wizard.cmdCancel);
    EXPECT_FALSE(wizard.IsLoaded());
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(WizardSteps, BackAndNextWaitWhileTheVersionFileIsFetched)
{
    FrmSkyvell& wizard = Wizard();
    Press(wizard.cmdNext);
    Press(wizard.cmdNext);
    // Clicks that arrive while step 4 transfers: they must not start a second run.
    PostClick(wizard.cmdBack.Hwnd());
    PostClick(wizard.cmdNext.Hwnd());
    Press(wizard.cmdNext);
    testing_support::PumpMessages();
    EXPECT_EQ(wizard.Step, 4);
    ExpectTexts(wizard, NothingNew);
    EXPECT_TRUE(wizard.IsLoaded());
}

class WizardFinish : public WizardTest {
protected:
    // An update that brings a configuration with these Finish entries.
    void UpdateWith(const std::string& execute, const std::string& program)
    {
        WriteIni(root.Ini(), {{"APPNAME", "Brevantor"}, {"FILES1", "brvt/brvt.exe"},
                              {"PATH1", "c:\\brvtupdatetemp\\brvt.exe"}, {"FILES2", "brvt/Skyvell.ini"},
                              {"PATH2", "c:\\brvtupdatetemp\\Skyvell.ini"}});
        Serve("brvt/brvtupdate.txt", "4.1\r\n");
        Serve("brvt/brvt.exe", "new program");
        Serve("brvt/Skyvell.ini", "[Skyvell]\r\nAPPNAME=Brevantor\r\nEXECUTE=" + execute + "\r\nEXECFILES=" + program +
                                      "\r\n");
        FrmSkyvell& wizard = Wizard();
        RunToTheEnd();
        ASSERT_TRUE(wizard.UpdateDone) << win::ToAnsi(wizard.lblInfo.Caption() + L" / " + wizard.lblEnd.Caption());
        Press(wizard.cmdNext);
        EXPECT_FALSE(wizard.IsLoaded());
    }
};

TEST_F(WizardFinish, StartsTheProgramTheUpdateNames)
{
    UpdateWith("1", "main\\brvt.exe");
    ASSERT_EQ(seam.processes.size(), 1u);
    EXPECT_EQ(seam.processes[0], root.InMain(L"brvt.exe"));
}

TEST_F(WizardFinish, AMissingProgramIsNotStarted)
{
    UpdateWith("1", "main\\missing.exe");
    EXPECT_TRUE(seam.processes.empty());
}

TEST_F(WizardFinish, OnlyExecuteOneStartsTheProgram)
{
    UpdateWith("0", "main\\brvt.exe");
    EXPECT_TRUE(seam.processes.empty());
}

TEST_F(WizardFinish, AnExecuteThatIsNoWholeNumberStartsNothing)
{
    UpdateWith("1.0", "main\\brvt.exe");
    EXPECT_TRUE(seam.processes.empty());
}

// An install root at the root of a drive or of a network share: Finish starts
// the program there. The test server maps a folder on c: as either.
struct MappedRoot {
    const char* name;
    std::wstring root;
};

void PrintTo(const MappedRoot& mapped, std::ostream* out)
{
    *out << mapped.name;
}

class FinishOnMappedRoot : public WizardTest, public ::testing::WithParamInterface<MappedRoot> {
protected:
    void TearDown() override
    {
        modInstall::DeleteFolder(Mapped);
        ServerCommand("SITE UNMAP " + win::ToAnsi(GetParam().root));
        WizardTest::TearDown();
    }

    const std::wstring Mapped = L"c:\\skyvelltest\\mapped";
};

TEST_P(FinishOnMappedRoot, StartsTheProgramOfTheInstallation)
{
    const std::wstring mappedRoot = GetParam().root;
    MakeFolders(Mapped);
    ASSERT_TRUE(ServerCommand("SITE MAP " + win::ToAnsi(mappedRoot) + " " + win::ToAnsi(Mapped)));
    const std::wstring folder = mappedRoot.back() == L':' ? mappedRoot + L"\\" : mappedRoot;
    WriteTextFile(Mapped + L"\\main\\brvt.exe", "program");
    WriteIni(Mapped + L"\\Skyvell.ini", {{"APPNAME", "Brevantor"}, {"EXECUTE", "1"}, {"EXECFILES", "main\\brvt.exe"}});
    ASSERT_TRUE(Exists(folder + L"\\main\\brvt.exe")) << "the mapping does not show";
    seam.programFolder = folder;

    FrmSkyvell& wizard = Wizard();
    // As after a completed installation.
    wizard.UpdateDone = true;
    wizard.cmdNext.SetCaption(L"Finish");
    Press(wizard.cmdNext);
    EXPECT_FALSE(wizard.IsLoaded());
    ASSERT_EQ(seam.processes.size(), 1u);
    EXPECT_EQ(_wcsicmp(seam.processes[0].c_str(), (InstallLayout(folder).root + L"\\main\\brvt.exe").c_str()), 0)
        << win::ToAnsi(seam.processes[0]);
}

INSTANTIATE_TEST_SUITE_P(Roots, FinishOnMappedRoot,
                         ::testing::Values(MappedRoot{"DriveRoot", L"q:"},
                                           MappedRoot{"Share", L"\\\\updatehost\\brevantor"}),
                         [](const ::testing::TestParamInfo<MappedRoot>& mapped) {
                             return std::string(mapped.param.name);
                         });

class WizardConfiguration : public WizardTest {};

TEST_F(WizardConfiguration, WithoutAnIniTheNameIsEmpty)
{
    FrmSkyvell& wizard = Wizard();
    EXPECT_EQ(wizard.Caption(), L"Skyvell - ");
    EXPECT_EQ(wizard.lblCaption.Caption(), L"Welcome to the Skyvell of ");
}

TEST_F(WizardConfiguration, ALongValueIsCutTo253Characters)
{
    WriteIni(root.Ini(), {{"APPNAME", std::string(300, 'B')}});
    FrmSkyvell& wizard = Wizard();
    EXPECT_EQ(wizard.AppName, std::wstring(253, L'B'));
    EXPECT_EQ(wizard.Caption(), L"Skyvell - " + std::wstring(253, L'B'));
}

TEST_F(WizardConfiguration, AValueThatBeginsWithTheDefaultReadsAsEmpty)
{
    WriteIni(root.Ini(), {{"APPNAME", "(Unassigned) Edition"}});
    EXPECT_EQ(Wizard().AppName, L"");
}

TEST_F(WizardConfiguration, TheWindowHasNoCloseCommand)
{
    FrmSkyvell& wizard = Wizard();
    const HMENU menu = ::GetSystemMenu(wizard.Hwnd(), FALSE);
    EXPECT_EQ(::GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    ::SendMessageW(wizard.Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(wizard.IsLoaded());
}

class WizardLayout : public WizardTest {};

LONG CaptionWeight(const ui::Frame& frame)
{
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(::SendMessageW(frame.Hwnd(), WM_GETFONT, 0, 0));
    return ::GetObjectW(handle, sizeof font, &font) == sizeof font ? font.lfWeight : -1;
}

TEST_F(WizardLayout, TheTransferFrameHasABoldCaption)
{
    FrmSkyvell& wizard = Wizard();
    EXPECT_EQ(CaptionWeight(wizard.frmTransfert), FW_BOLD);
    EXPECT_LT(CaptionWeight(wizard.Frame1), FW_BOLD) << "a frame without its own font keeps the dialog font";
}

} // namespace
