#include "pages/utilities/frmVDrives.h"

#include "pages/utilities/BatchFile.h"
#include "pages/utilities/core/BatchText.h"
#include "pages/utilities/core/DriveLetters.h"
#include "pages/utilities/modOrdner.h"
#include "shell/MenuPage.h"
#include "shell/basLAnguageSelector.h"
#include "shell/core/Paths.h"
#include "ui/Effects.h"
#include "ui/SystemFolders.h"
#include "ui/modWindow.h"

#include <shlobj.h>

#include <cstring>
#include <initializer_list>
#include <optional>

ui::FormRef<FrmVDrives> frmVDrives;

namespace {

constexpr wchar_t BrowseTitle[] = L"W\u00e4hlen Sie ein Verzeichnis...";
constexpr wchar_t Label2Design[] = L"Text:";
// subst ends at once; the limit only keeps a hung command interpreter from holding the page for good.
constexpr DWORD SubstTimeLimitMs = 20000;

void SetVisible(std::initializer_list<ui::Control*> controls, bool visible)
{
    for (ui::Control* control : controls)
        control->SetVisible(visible);
}

} // namespace

FrmVDrives::FrmVDrives() : PageForm(L"frmVDrives") {}

void FrmVDrives::CreateControls()
{
    Place({
        PageFrameRow(fraDrive),
        {sevFrame1, &fraDrive, {120, 120, 5775, 5535}, L"", L"Virtual Drive"},
        {lblInfo, &sevFrame1, {240, 480, 5295, 855}, L"1970", L"."},
        {Label1, &sevFrame1, {240, 1440, 2400, 255}, L"1980", L"."},
        {Drive1, &sevFrame1, {240, 1740, 2400, 315}},
        {cmdHauptErstellen, &sevFrame1, {240, 2280, 2400, 375}, L"1990", L"."},
        {cmdHauptLoeschen, &sevFrame1, {2880, 2280, 2400, 375}, L"2000", L"."},
        {lblInfoPfad, &sevFrame1, {240, 2940, 3615, 255}, L"2020", L".", false},
        {txtPfad, &sevFrame1, {240, 3240, 4695, 315}, L"", nullptr, false},
        {Command3, &sevFrame1, {5055, 3225, 480, 345}, L"", L"...", false},
        {Label2, &sevFrame1, {240, 3780, 3615, 255}, L"", Label2Design, false},
        {cboLW, &sevFrame1, {240, 4080, 1800, 315}, L"", nullptr, false},
        {cmdOK, &sevFrame1, {2160, 4065, 855, 345}, L"", L"OK", false},
        {cmdErstellen, &sevFrame1, {240, 4680, 2400, 375}, L"2030", L".", false},
        {cmdLoeschen, &sevFrame1, {240, 4680, 2400, 375}, L"2040", L".", false},
        {cmdCancle, &sevFrame1, {2880, 4680, 2400, 375}, L"2010", L".", false},
        {txtAbfrageLoeschen, &sevFrame1, {240, 5040, 615, 285}, L"2050", nullptr, false},
        {txtNeu, &sevFrame1, {960, 5040, 615, 285}, L"2060", nullptr, false},
        {txtGueltig, &sevFrame1, {1680, 5040, 615, 285}, L"2070", nullptr, false},
        {txtErstellt, &sevFrame1, {2400, 5040, 615, 285}, L"2080", nullptr, false},
        {txtGeloescht, &sevFrame1, {3120, 5040, 615, 285}, L"2090", nullptr, false},
    });
    SetTitledFrameColors(sevFrame1);
    txtPfad.SetLocked(true);

    cmdHauptErstellen.onClick = [this] { cmdHauptErstellen_Click(); };
    cmdHauptLoeschen.onClick = [this] { cmdHauptLoeschen_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdErstellen.onClick = [this] { cmdErstellen_Click(); };
    cmdLoeschen.onClick = [this] { cmdLoeschen_Click(); };
    cmdCancle.onClick = [this] { cmdCancle_Click(); };
}

void FrmVDrives::Form_Load()
{
    txtPfad.SetText(L"");
    for (const std::wstring& entry : vdrive::LetterEntries())
        cboLW.AddItem(entry);
    cboLW.SetListIndex(0);  // "Drives:", the first entry
}

std::wstring FrmVDrives::GetShortPath(const std::wstring& strFileName)
{
    // Asked with the room the answer needs, so a long short form is not lost.
    std::wstring buffer(165, L'\0');
    DWORD length = ::GetShortPathNameW(strFileName.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.assign(length, L'\0');
        length = ::GetShortPathNameW(strFileName.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length >= buffer.size())
            return {};
    }
    buffer.resize(length);
    return buffer;
}

std::wstring FrmVDrives::BrowseForFolderByPath(const std::wstring& sSelPath)
{
    // The callback's copy of the start path lives for this call only.
    const SIZE_T size = (sSelPath.size() + 1) * sizeof(wchar_t);
    const HLOCAL startPath = ::LocalAlloc(LPTR, size);
    if (startPath)
        std::memcpy(startPath, sSelPath.c_str(), size);

    BROWSEINFOW request{};
    request.hwndOwner = modWindow::DialogOwner(Hwnd());
    request.lpszTitle = BrowseTitle;
    request.lpfn = BrowseCallbackProc;
    request.lParam = reinterpret_cast<LPARAM>(startPath);

    std::wstring folder;
    if (const PIDLIST_ABSOLUTE chosen = effects::Current().BrowseForFolder(request)) {
        wchar_t path[MAX_PATH] = L"";
        if (::SHGetPathFromIDListW(chosen, path))
            folder = path;
        ::CoTaskMemFree(chosen);
    }
    ::LocalFree(startPath);
    return folder;
}

void FrmVDrives::cmdHauptErstellen_Click()
{
    if (txtPfad.Visible())
        return;
    SetVisible({&txtPfad, &lblInfoPfad, &Command3, &cmdCancle}, true);
    cmdHauptErstellen.SetEnabled(false);
    cmdHauptLoeschen.SetEnabled(false);
}

void FrmVDrives::cmdHauptLoeschen_Click()
{
    Label2.SetCaption(txtAbfrageLoeschen.Text());
    SetVisible({&cboLW, &Label2, &cmdOK, &cmdCancle}, true);
    cmdHauptErstellen.SetEnabled(false);
    cmdHauptLoeschen.SetEnabled(false);
}

void FrmVDrives::Command3_Click()
{
    txtPfad.SetText(BrowseForFolderByPath(vdrive::UnqualifyPath(L"C:")));
    if (txtPfad.Text().empty())
        return;
    Label2.SetCaption(txtNeu.Text());
    SetVisible({&cboLW, &Label2, &cmdOK}, true);
}

void FrmVDrives::cmdOK_Click()
{
    if (cboLW.Text() == vdrive::NoLetter) {
        MsgBox(txtGueltig.Text(), MB_ICONEXCLAMATION);
        return;
    }
    if (txtPfad.Visible())
        cmdErstellen.SetVisible(true);
    else
        cmdLoeschen.SetVisible(true);
}

void FrmVDrives::cmdErstellen_Click()
{
    const std::wstring letter = cboLW.Text();
    if (letter == vdrive::NoLetter || txtPfad.Text().empty())
        return;
    const std::wstring lines = batch::SubstCreate(letter, GetShortPath(txtPfad.Text()));
    if (RunSubst(L"make.bat", lines,
                 basLAnguageSelector::LanguageText(2730, L"The virtual drive %1 could not be created: the letter may be in use, or the folder gone.",
                                     {letter})))
        MsgBox(txtErstellt.Text(), MB_ICONINFORMATION);
    EndOperation(cmdErstellen);
}

void FrmVDrives::cmdLoeschen_Click()
{
    const std::wstring letter = cboLW.Text();
    if (letter == vdrive::NoLetter)
        return;
    if (RunSubst(L"nomake.bat", batch::SubstDelete(letter),
                 basLAnguageSelector::LanguageText(2740, L"The virtual drive %1 could not be removed: it may be no virtual drive.", {letter})))
        MsgBox(txtGeloescht.Text(), MB_ICONINFORMATION);
    EndOperation(cmdLoeschen);
}

void FrmVDrives::cmdCancle_Click()
{
    SetVisible({&lblInfoPfad, &txtPfad, &Command3, &Label2, &cboLW, &cmdOK, &cmdErstellen, &cmdLoeschen, &cmdCancle},
               false);
    txtPfad.SetText(L"");
    Label2.SetCaption(Label2Design);
    cmdHauptErstellen.SetEnabled(true);
    cmdHauptLoeschen.SetEnabled(true);
}

bool FrmVDrives::RunSubst(const wchar_t* fileName, const std::wstring& lines, const std::wstring& failure)
{
    const std::wstring path = paths::InProgramFolder(effects::Current().ProgramFolder(), fileName);
    std::optional<DWORD> exitCode;
    {
        // Held until the command interpreter has ended, so that no other program can change it meanwhile.
        const win::unique_hfile batchFile = WriteHeldBatchFile(path, lines);
        if (!batchFile) {
            MsgBox(basLAnguageSelector::LanguageText(2750, L"The batch file %1 cannot be written:%n%2",
                                                     {path, SystemErrorText(::GetLastError())}),
                   MB_ICONERROR);
            return false;
        }
        // Waited for to its end: deleted earlier, the batch file might not have been read yet.
        exitCode = effects::Current().RunProgramToEnd(
            {systemfolders::InSystem(L"cmd.exe"), L"/c \"\"" + path + L"\"\""}, SW_SHOWMINIMIZED, SubstTimeLimitMs);
    }
    Drive1.Refresh();
    ::DeleteFileW(path.c_str());
    if (exitCode == 0u)
        return true;
    MsgBox(failure, MB_ICONEXCLAMATION);
    return false;
}

void FrmVDrives::EndOperation(ui::XpButton& actionButton)
{
    cmdHauptErstellen.SetEnabled(true);
    cmdHauptLoeschen.SetEnabled(true);
    // Label2 keeps its caption until a delete or a cancel sets it again.
    SetVisible({&Label2, &lblInfoPfad, &cboLW, &txtPfad, &Command3, &cmdOK, &actionButton, &cmdCancle}, false);
    txtPfad.SetText(L"");
}
