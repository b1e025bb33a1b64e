#include "pages/system/frmHDDCLean.h"

#include "pages/system/DiskFiles.h"
#include "pages/system/SystemPictures.h"
#include "pages/system/core/FileNames.h"
#include "pages/system/modOrdnerErmitteln.h"
#include "shell/MenuPage.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Effects.h"
#include "ui/WaitCursor.h"

#include <shlobj.h>

ui::FormRef<FrmHDDCLean> frmHDDCLean;

namespace {

constexpr ui::Font PathFont{L"MS Sans Serif", 9.75};

// Deletes the files of a folder that diskfiles::CheckFolderToEmpty allows, not
// its subfolders; a file that cannot go (in use, read-only) stays and the
// others go all the same.
void EmptyFolder(const std::wstring& folder)
{
    const std::wstring path = filenames::WithClosingBackslash(folder);
    if (const auto names = diskfiles::FileNames(path))
        for (const std::wstring& name : *names)
            ::DeleteFileW((path + name).c_str());
}

} // namespace

FrmHDDCLean::FrmHDDCLean() : PageForm(L"frmHDDCLean") {}

void FrmHDDCLean::CreateControls()
{
    Place({
        PageFrameRow(fraHDDClean),
        {sevFrame2, &fraHDDClean, {120, 120, 5775, 3255}, L"", L"Drive-Cleaner"},
        {LabelInfozuHDmaker, &sevFrame2, {240, 390, 4260, 855}, L"1050"},
        {picSweep, &sevFrame2, {4680, 330, 960, 960}},
        {chkShowDialog, &sevFrame2, {240, 1410, 5295, 285}, L"1060", L"."},
        {cmdSucheStarten, &sevFrame2, {240, 1890, 2400, 375}, L"1070", L"."},
        {lblPath, &sevFrame2, {240, 2430, 5295, 735}},
        {sevFrame1, &fraHDDClean, {120, 3495, 5775, 2160}, L"1090"},
        {cmdClipBoard, &sevFrame1, {240, 420, 2880, 375}, L"1100", L"."},
        {cmdTempOrdner, &sevFrame1, {240, 960, 2880, 375}, L"1200", L"."},
        {cmdCookies, &sevFrame1, {240, 1500, 2880, 375}, L"2650", L"."},
        {picQuickClean, &sevFrame1, {4200, 600, 960, 960}},
        {txtBeendet, &fraHDDClean, {120, 120, 615, 285}, L"1080", nullptr, false},
        {txtClipboard, &fraHDDClean, {120, 120, 615, 285}, L"1110", nullptr, false},
        {txtTheFolder, &fraHDDClean, {120, 120, 615, 285}, L"1120", nullptr, false},
        {txtEnthaelt, &fraHDDClean, {120, 120, 615, 285}, L"1130", nullptr, false},
        {txtTmp, &fraHDDClean, {120, 120, 615, 285}, L"1140", nullptr, false},
        {txtTmp2, &fraHDDClean, {120, 120, 615, 285}, L"1150", nullptr, false},
        {txtGID, &fraHDDClean, {120, 120, 615, 285}, L"1160", nullptr, false},
        {txtGID2, &fraHDDClean, {120, 120, 615, 285}, L"1170", nullptr, false},
        {txtOLD, &fraHDDClean, {120, 120, 615, 285}, L"1180", nullptr, false},
        {txtOLD2, &fraHDDClean, {120, 120, 615, 285}, L"1190", nullptr, false},
        {txtBeachten, &fraHDDClean, {120, 120, 615, 285}, L"1210", nullptr, false},
        {txtErfolgreich, &fraHDDClean, {120, 120, 615, 285}, L"1220", nullptr, false},
        {txtCookies, &fraHDDClean, {120, 120, 615, 285}, L"2660", nullptr, false},
    });
    SetTitledFrameColors(sevFrame2);
    SetTitledFrameColors(sevFrame1);
    lblPath.SetFont(PathFont);
    picSweep.SetPicture(systempictures::Get(systempictures::PictureId::DriveSweep));
    picQuickClean.SetPicture(systempictures::Get(systempictures::PictureId::QuickClean));

    cmdClipBoard.onClick = [this] { cmdClipBoard_Click(); };
    cmdCookies.onClick = [this] { cmdCookies_Click(); };
    cmdTempOrdner.onClick = [this] { cmdTempOrdner_Click(); };
    cmdSucheStarten.onClick = [this] { cmdSucheStarten_Click(); };
}

void FrmHDDCLean::Form_Load()
{
    chkShowDialog.SetValue(1);
}

void FrmHDDCLean::cmdClipBoard_Click()
{
    // Another program may hold the clipboard open for a moment: then it is not emptied.
    if (!::OpenClipboard(Hwnd()))
        return;
    ::EmptyClipboard();
    ::CloseClipboard();
    MsgBox(txtClipboard.Text(), MB_ICONINFORMATION);
}

void FrmHDDCLean::EmptyWhenAllowed(const std::wstring& folder, const QuickActionTexts& texts)
{
    switch (diskfiles::CheckFolderToEmpty(folder)) {
    case diskfiles::FolderToEmptyCheck::Usable:
        EmptyFolder(folder);
        MsgBox(texts.emptied, MB_ICONINFORMATION);
        break;
    case diskfiles::FolderToEmptyCheck::Missing:
        MsgBox(texts.missing, MB_ICONEXCLAMATION);
        break;
    case diskfiles::FolderToEmptyCheck::Guarded:
        MsgBox(texts.guarded, MB_ICONEXCLAMATION);
        break;
    }
}

void FrmHDDCLean::cmdCookies_Click()
{
    // The shell folder is the user's to point anywhere, as TMP is.
    const std::wstring cookies = GetSpecialFolderPath(CSIDL_COOKIES);
    EmptyWhenAllowed(cookies, {txtCookies.Text(),
                               basLAnguageSelector::LanguageText(2810, L"Cookies folder not found !"),
                               basLAnguageSelector::LanguageText(2880,
                                                                L"The cookies folder is set to %1, a folder that "
                                                                L"holds more than cookies. Nothing has been deleted.",
                                                                {cookies})});
}

void FrmHDDCLean::cmdTempOrdner_Click()
{
    // A warning only: the folder is emptied whatever the user does with it.
    MsgBox(txtBeachten.Text(), MB_ICONEXCLAMATION);
    // TMP or TEMP may name any folder, and the system falls back to the Windows folder.
    const std::wstring folder = diskfiles::TemporaryFolder();
    EmptyWhenAllowed(folder, {txtErfolgreich.Text(),
                              basLAnguageSelector::LanguageText(
                                  2840, L"The temporary folder %1 does not exist. Nothing has been deleted.", {folder}),
                              basLAnguageSelector::LanguageText(2850,
                                                               L"The temporary folder is set to %1, a folder that "
                                                               L"holds more than temporary files. Nothing has been "
                                                               L"deleted.",
                                                               {folder})});
}

void FrmHDDCLean::cmdSucheStarten_Click()
{
    // A disabled window cannot keep the focus; the box beside it takes it.
    if (::GetFocus() == cmdSucheStarten.Hwnd())
        ::SetFocus(chkShowDialog.Hwnd());
    cmdSucheStarten.SetEnabled(false);
    {
        const ui::WaitCursor hourglass;
        for (const effects::Drive& drive : effects::Current().Drives()) {
            // The program may have ended while the sweep yielded.
            if (!IsLoaded())
                return;
            // Removable, network, CD and RAM drives are left alone. A drive whose
            // root cannot be cleaned is left there, as a folder below it would be.
            if (drive.type == DRIVE_FIXED)
                CleanFolder(drive.root, chkShowDialog.Value() != 0);
        }
    }
    if (!IsLoaded())
        return;
    lblPath.SetCaption(txtBeendet.Text());
    cmdSucheStarten.SetEnabled(true);
}

void FrmHDDCLean::CleanFolder(std::wstring path, bool showDialog)
{
    struct Pattern {
        const wchar_t* pattern;
        const ui::TextBox& text;
        const ui::TextBox& secondLine;
    };
    const Pattern patterns[] = {
        {L"*.tmp", txtTmp, txtTmp2},
        {L"*.GID", txtGID, txtGID2},
        {L"*.old", txtOLD, txtOLD2},
    };

    path = filenames::WithClosingBackslash(std::move(path));
    lblPath.SetCaption(path);
    ui::DoEvents();
    // A folder that cannot be searched or cleaned to its end is left, with
    // everything below it; the caller goes on with the next one.
    for (const Pattern& p : patterns) {
        if (!IsLoaded())
            return;
        const diskfiles::Search found = diskfiles::FindPlainFile(path, p.pattern);
        if (found == diskfiles::Search::Failed)
            return;
        if (found == diskfiles::Search::NoneFound)
            continue;
        if (showDialog) {
            const std::wstring question = txtTheFolder.Text() + L" " + path + L" " + txtEnthaelt.Text() + L" " +
                                          p.text.Text() + L"\r\n" + p.secondLine.Text();
            if (MsgBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
                continue;
        }
        if (!diskfiles::DeletePlainFiles(path, p.pattern))
            return;
    }
    const auto subfolders = diskfiles::SubfolderNames(path);
    if (!subfolders)
        return;
    for (const std::wstring& name : *subfolders) {
        if (!IsLoaded())
            return;
        CleanFolder(path + name, showDialog);
    }
}
