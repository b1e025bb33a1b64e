// The virtual drive page: its states, the folder browser's request and
// preselection, the batch files' exact lines, a batch file that nothing else
// can change while it runs, and subst run for real by the system's command
// interpreter from a batch file that is gone afterwards.
#include "pages/utilities/frmVDrives.h"
#include "ui/SystemFolders.h"
#include "ui/win/Handles.h"
#include "ui/win/Text.h"

#include "tests/wine/support/PlantedTools.h"
#include "tests/wine/support/TestFiles.h"
#include "tests/wine/support/TestSupport.h"

#include <windows.h>

#include <cwctype>
#include <initializer_list>
#include <string>
#include <vector>

using testing_support::FileExists;

namespace {

// What the page shows beside the controls that are always there, and its main buttons.
const std::wstring Idle = L"main buttons enabled";
const std::wstring ChooseFolder = L"lblInfoPfad txtPfad Command3 cmdCancle main buttons disabled";
const std::wstring ChooseLetter = L"lblInfoPfad txtPfad Command3 Label2 cboLW cmdOK cmdCancle main buttons disabled";
const std::wstring ConfirmCreate =
    L"lblInfoPfad txtPfad Command3 Label2 cboLW cmdOK cmdErstellen cmdCancle main buttons disabled";
const std::wstring ChooseLetterToDelete = L"Label2 cboLW cmdOK cmdCancle main buttons disabled";
const std::wstring ConfirmDelete = L"Label2 cboLW cmdOK cmdLoeschen cmdCancle main buttons disabled";

class VDrivesTest : public testing_support::FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        // A blank in the program folder, as in "Program Files".
        programFolder = testing_support::FreshFolder(L"vdrives program");
        seam.programFolder = programFolder;
        folder = programFolder + L"\\folder with a long name";
        ::CreateDirectoryW(folder.c_str(), nullptr);
        page.txtAbfrageLoeschen.SetText(L"Drive to remove:");
        page.txtNeu.SetText(L"Letter for the folder:");
        page.txtGueltig.SetText(L"Choose a letter.");
        page.txtErstellt.SetText(L"Created.");
        page.txtGeloescht.SetText(L"Removed.");
    }
    void TearDown() override
    {
        FormTest::TearDown();
        testing_support::RemoveTree(programFolder);
    }

    // A click as a user makes it: only on what is shown and enabled.
    static void Press(ui::Control& control)
    {
        ASSERT_TRUE(control.Visible() && control.Enabled()) << "cannot be clicked";
        testing_support::Click(control.Hwnd());
    }
    void Choose(const std::wstring& entry)
    {
        for (int index = 0; index < page.cboLW.ListCount(); ++index)
            if (page.cboLW.List(index) == entry)
                page.cboLW.SetListIndex(index);
        ASSERT_EQ(page.cboLW.Text(), entry);
    }
    void Browse(const std::wstring& chosen)
    {
        seam.folderAnswers = {chosen};
        Press(page.Command3);
    }
    void Create(const std::wstring& chosen, const std::wstring& letter)
    {
        Press(page.cmdHauptErstellen);
        Browse(chosen);
        Choose(letter);
        Press(page.cmdOK);
        Press(page.cmdErstellen);
    }
    void Delete(const std::wstring& letter)
    {
        Press(page.cmdHauptLoeschen);
        Choose(letter);
        Press(page.cmdOK);
        Press(page.cmdLoeschen);
    }
    std::wstring State() const
    {
        std::wstring state;
        for (ui::Control* control : std::initializer_list<ui::Control*>{
                 &page.lblInfoPfad, &page.txtPfad, &page.Command3, &page.Label2, &page.cboLW, &page.cmdOK,
                 &page.cmdErstellen, &page.cmdLoeschen, &page.cmdCancle})
            if (control->Visible())
                state += control->Name() + L" ";
        EXPECT_EQ(page.cmdHauptErstellen.Enabled(), page.cmdHauptLoeschen.Enabled());
        return state + (page.cmdHauptErstellen.Enabled() ? L"main buttons enabled" : L"main buttons disabled");
    }
    // The batch file as the command interpreter finds it while it runs.
    void KeepBatchFile(const wchar_t* name)
    {
        seam.whileProgramRuns = [this, name](const effects::Command&) {
            batchText = win::FromAnsi(testing_support::ReadBytes(programFolder + L"\\" + name));
        };
    }

    FrmVDrives& page = frmVDrives();
    std::wstring programFolder, folder, batchText;
};

TEST_F(VDrivesTest, GoesThroughEveryStateOfTheTableAndBack)
{
    EXPECT_EQ(State(), Idle);
    ASSERT_EQ(page.cboLW.ListCount(), 27);
    EXPECT_EQ(page.cboLW.Text(), L"Drives:");
    EXPECT_EQ(page.cboLW.List(1), L"A:");
    EXPECT_EQ(page.cboLW.List(26), L"Z:");

    Press(page.cmdHauptErstellen);
    EXPECT_EQ(State(), ChooseFolder);
    Browse(L"");
    EXPECT_EQ(State(), ChooseFolder);
    Browse(folder);
    EXPECT_EQ(State(), ChooseLetter);
    EXPECT_EQ(page.Label2.Caption(), L"Letter for the folder:");
    Press(page.cmdOK);  // still "Drives:"
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Choose a letter.");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONEXCLAMATION));
    Choose(L"K:");
    Press(page.cmdOK);
    EXPECT_EQ(State(), ConfirmCreate);
    // Back on "Drives:", or with the path emptied by a cancelled browse, create does nothing.
    Choose(L"Drives:");
    Press(page.cmdErstellen);
    Choose(L"K:");
    Browse(L"");
    EXPECT_EQ(page.txtPfad.Text(), L"");
    Press(page.cmdErstellen);
    EXPECT_EQ(State(), ConfirmCreate);
    EXPECT_TRUE(seam.commands.empty());
    Press(page.cmdCancle);
    EXPECT_EQ(State(), Idle);
    EXPECT_EQ(page.Label2.Caption(), L"Text:");

    Press(page.cmdHauptLoeschen);
    EXPECT_EQ(State(), ChooseLetterToDelete);
    EXPECT_EQ(page.Label2.Caption(), L"Drive to remove:");
    Press(page.cmdOK);
    EXPECT_EQ(State(), ConfirmDelete);
    Press(page.cmdCancle);
    EXPECT_EQ(State(), Idle);
}

TEST_F(VDrivesTest, TheFolderBrowserHasItsTitleAndOpensOnC)
{
    Press(page.cmdHauptErstellen);
    Browse(folder);
    EXPECT_EQ(page.txtPfad.Text(), folder);
    ASSERT_EQ(seam.folderBrowses.size(), 1u);
    EXPECT_EQ(seam.folderBrowses[0].title, L"W\u00e4hlen Sie ein Verzeichnis...");
    EXPECT_EQ(seam.folderBrowses[0].flags, 0u);
    // What the request's callback selected as the dialog came up.
    EXPECT_EQ(seam.folderBrowses[0].preselected, L"C:");
}

TEST_F(VDrivesTest, TheBatchFilesHoldTheLetterAndTheShortPathAndAreGoneAfterTheirRun)
{
    KeepBatchFile(L"make.bat");
    Create(folder, L"K:");
    const std::wstring shortPath = FrmVDrives::GetShortPath(folder);
    ASSERT_EQ(shortPath.find(L' '), std::wstring::npos);
    EXPECT_EQ(batchText, L"@echo off\r\nsubst K: " + shortPath + L"\r\n");
    ASSERT_EQ(seam.commands.size(), 1u);
    EXPECT_EQ(seam.commands[0].command.program, systemfolders::InSystem(L"cmd.exe"));
    EXPECT_EQ(seam.commands[0].command.arguments, L"/c \"\"" + programFolder + L"\\make.bat\"\"");
    EXPECT_EQ(seam.commands[0].showWindow, SW_SHOWMINIMIZED);
    EXPECT_FALSE(FileExists(programFolder + L"\\make.bat"));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Created.");
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONINFORMATION));
    // Idle again, with the last letter and Label2's caption kept.
    EXPECT_EQ(State(), Idle);
    EXPECT_EQ(page.cboLW.Text(), L"K:");
    EXPECT_EQ(page.Label2.Caption(), L"Letter for the folder:");

    Create(L"C:\\", L"K:");
    EXPECT_EQ(batchText, L"@echo off\r\nsubst K: C:\\\r\n");

    KeepBatchFile(L"nomake.bat");
    seam.programExitCode = 1;
    Delete(L"M:");
    EXPECT_EQ(batchText, L"@echo off\r\nsubst M: /D\r\n");
    EXPECT_FALSE(FileExists(programFolder + L"\\nomake.bat"));
    // subst's refusal is no success.
    EXPECT_NE(seam.messages.back().text.find(L"M: could not be removed"), std::wstring::npos);
    EXPECT_EQ(State(), Idle);
}

TEST_F(VDrivesTest, AProgramFolderThatCannotBeWrittenIsReportedAndRunsNothing)
{
    seam.programFolder = programFolder + L"\\missing";
    Delete(L"M:");
    EXPECT_TRUE(seam.commands.empty());
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(State(), Idle);
}

TEST_F(VDrivesTest, TheBatchFileCannotBeChangedReplacedOrDeletedWhileItRuns)
{
    const std::wstring batch = programFolder + L"\\nomake.bat";
    struct Attempts {
        bool written, deleted, moved, read;
    } attempts{};
    seam.whileProgramRuns = [&](const effects::Command&) {
        const win::unique_hfile writer(::CreateFileW(batch.c_str(), GENERIC_WRITE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                     OPEN_EXISTING, 0, nullptr));
        attempts.written = static_cast<bool>(writer);
        attempts.deleted = ::DeleteFileW(batch.c_str()) != FALSE;
        attempts.moved = ::MoveFileW(batch.c_str(), (batch + L".moved").c_str()) != FALSE;
        // As the command interpreter opens it.
        const win::unique_hfile reader(::CreateFileW(batch.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                     nullptr, OPEN_EXISTING, 0, nullptr));
        attempts.read = static_cast<bool>(reader);
    };
    Delete(L"M:");
    EXPECT_FALSE(attempts.written);
    EXPECT_FALSE(attempts.deleted);
    EXPECT_FALSE(attempts.moved);
    EXPECT_TRUE(attempts.read);
    EXPECT_FALSE(FileExists(batch) || FileExists(batch + L".moved"));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, L"Removed.");
}

TEST_F(VDrivesTest, ASecondNameOfAnotherFileInTheBatchFilesPlaceGoesAndTheFileKeepsItsBytes)
{
    const std::wstring other = folder + L"\\other.txt";
    testing_support::WriteBytes(other, "another program's file");
    for (const wchar_t* name : {L"make.bat", L"nomake.bat"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(name)));
        const std::wstring batch = programFolder + L"\\" + name;
        ASSERT_TRUE(::CreateHardLinkW(batch.c_str(), other.c_str(), nullptr));
        KeepBatchFile(name);
        if (name == std::wstring(L"make.bat"))
            Create(folder, L"K:");
        else
            Delete(L"K:");
        EXPECT_EQ(batchText.substr(0, 11), L"@echo off\r\n");
        EXPECT_EQ(testing_support::ReadBytes(other), "another program's file");
        EXPECT_FALSE(FileExists(batch));
    }
    EXPECT_EQ(seam.commands.size(), 2u);
}

// The harness puts a working subst into the prefix's system folder; a program
// of the same name anywhere else only notes that it ran.
TEST_F(VDrivesTest, SubstRunByTheSystemsCommandInterpreterMapsTheFolderAndRemovesItAgain)
{
    testing_support::PlantedTools planted{L"cmd.exe", L"subst.exe"};
    seam.runPrograms = true;
    std::wstring letter;
    for (wchar_t c = L'Y'; c > L'D' && letter.empty(); --c)
        if (!(::GetLogicalDrives() & (1u << (c - L'A'))))
            letter = std::wstring(1, c) + L":";
    // Whatever the test ends with, the prefix loses the letter.
    struct Unmap {
        const std::wstring& letter;
        ~Unmap() { ::DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter.c_str(), nullptr); }
    } unmap{letter};
    const auto target = [&letter] {
        wchar_t mapped[MAX_PATH] = L"";
        return ::QueryDosDeviceW(letter.c_str(), mapped, MAX_PATH) ? std::wstring(mapped) : std::wstring();
    };
    const auto listed = [&] {
        for (int i = 0; i < page.Drive1.ListCount(); ++i)
            if (std::towupper(page.Drive1.List(i)[0]) == letter[0])
                return true;
        return false;
    };

    Create(folder, letter);
    EXPECT_EQ(target(), L"\\??\\" + FrmVDrives::GetShortPath(folder));
    EXPECT_TRUE(listed());
    Delete(letter);
    EXPECT_EQ(target(), L"");
    EXPECT_FALSE(listed());
    EXPECT_FALSE(FileExists(programFolder + L"\\make.bat") || FileExists(programFolder + L"\\nomake.bat"));
    EXPECT_EQ(planted.RanElsewhere(), std::vector<std::wstring>{});
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, L"Created.");
    EXPECT_EQ(seam.messages[1].text, L"Removed.");
}

} // namespace
