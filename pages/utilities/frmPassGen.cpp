#include "pages/utilities/frmPassGen.h"

#include "pages/utilities/UtilityPictures.h"
#include "pages/utilities/core/PasswordMask.h"
#include "pages/utilities/modPass.h"
#include "shell/MenuPage.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Effects.h"
#include "ui/core/Product.h"
#include "ui/win/Handles.h"
#include "ui/win/Text.h"

#include <string>

ui::FormRef<FrmPassGen> frmPassGen;

namespace {

constexpr const wchar_t* PresetMasks[] = {
    L"####-####-####-####",     L"XXXX-XXXX-XXXX-XXXX",     L"XXXX-XXXX-####-####",
    L"####-####-XXXX-XXXX",     L"####-XXXX-####-XXXX",     L"XXXX-####-XXXX-####",
    L"KEY-####-####-####-####", L"KEY-XXXX-XXXX-XXXX-XXXX", L"KEY-####-####-XXXX-XXXX",
    L"KEY-XXXX-XXXX-####-####", L"KEY-####-XXXX-####-XXXX", L"KEY-XXXX-####-XXXX-####",
};

constexpr wchar_t InvalidCount[] = L"Password-Value invalid";
constexpr wchar_t DuplicatesTip[] = L"Number Of Duplicates Found In The Password List";
// Read-only state preset, prompt before overwriting, read-only box hidden, working folder kept.
constexpr DWORD SaveFlags = OFN_READONLY | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

bool WriteAll(const std::wstring& path, const std::string& content)
{
    win::unique_hfile file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
           written == content.size();
}

} // namespace

FrmPassGen::FrmPassGen() : PageForm(L"frmPassGen") {}

void FrmPassGen::CreateControls()
{
    Place({
        PageFrameRow(fraPass),
        {picLogo, &fraPass, {2040, 240, 2700, 795}},
        {sevFrame1, &fraPass, {120, 1200, 5775, 4455}, L"", L"Password-Generator"},
        {Label1, &sevFrame1, {240, 360, 2760, 255}, L"2390", L"."},
        {cmbMask, &sevFrame1, {240, 615, 2760, 315}},
        {Label3, &sevFrame1, {240, 1050, 2760, 435}, L"2400", L"."},
        {txtCustom, &sevFrame1, {240, 1500, 1920, 315}},
        {cmdSet, &sevFrame1, {2280, 1485, 720, 345}, L"", L"OK"},
        {Label2, &sevFrame1, {240, 1950, 2760, 255}, L"2420", L"."},
        {txtNumPass, &sevFrame1, {240, 2205, 1200, 315}},
        {chkDoDuplicates, &sevFrame1, {240, 2640, 2760, 285}, L"2410", L"."},
        {cmdGen, &sevFrame1, {240, 3120, 1320, 375}, L"2380", L"."},
        {cmdStop, &sevFrame1, {1680, 3120, 1320, 375}, L"2440", L".", false},
        {cmdSave, &sevFrame1, {240, 3600, 1320, 375}, L"2430", L"."},
        {lstTmp, &sevFrame1, {3240, 360, 2295, 3315}},
        {lstPass, &sevFrame1, {3240, 360, 2295, 3315}},
        {PB, &sevFrame1, {3240, 3780, 2295, 195}, L"", nullptr, false},
        {txtMaske, nullptr, {120, 120, 615, 285}, L"2450", nullptr, false},
        {chkStrick, nullptr, {120, 480, 1215, 285}, L"", L"Strict", false},
        {lblNumDupes, nullptr, {120, 840, 615, 255}, L"", L"0", false},
        {Label4, nullptr, {840, 840, 2415, 255}, L"", L"Number Of Duplicates Removed - ", false},
    });
    SetTitledFrameColors(sevFrame1);
    picLogo.SetPicture(utilitypictures::Get(utilitypictures::PictureId::PasswordLogo));
    txtNumPass.SetText(L"500");
    lstTmp.AddItem(L"Generating...");
    cmdSave.SetEnabled(false);
    cmdStop.SetEnabled(false);
    chkStrick.SetValue(1);
    lblNumDupes.SetToolTipText(DuplicatesTip);
    Label4.SetToolTipText(DuplicatesTip);
    PB.SetColors(RGB(0x7C, 0xC4, 0xFF), RGB(0x00, 0x46, 0xD5));

    cmdGen.onClick = [this] { cmdGen_Click(); };
    cmdStop.onClick = [this] { cmdStop_Click(); };
    cmdSet.onClick = [this] { cmdSet_Click(); };
    cmdSave.onClick = [this] { cmdSave_Click(); };
    txtCustom.onChange = [this] { txtCustom_Change(); };
    txtCustom.onLostFocus = [this] { txtCustom_LostFocus(); };
}

void FrmPassGen::Form_Load()
{
    for (const wchar_t* mask : PresetMasks)
        cmbMask.AddItem(mask);
    cmbMask.SetListIndex(0);
}

void FrmPassGen::Form_Unload()
{
    // A generation that is yielding must not go on into a form that has gone.
    if (generating_)
        modPass::StopRequested = true;
}

void FrmPassGen::cmdGen_Click()
{
    const std::optional<std::int32_t> count = passwords::PasswordCount(txtNumPass.Text());
    if (!count) {
        MsgBox(InvalidCount, MB_ICONEXCLAMATION, product::Title);
        return;
    }
    if (!txtCustom.Text().empty() &&
        MsgBox(txtMaske.Text(), MB_YESNO | MB_ICONQUESTION, product::Title) == IDYES)
        cmdSet_Click();

    // One run at a time: the generation yields, and a second press would start a run inside it.
    cmdGen.SetEnabled(false);
    cmdStop.SetEnabled(true);
    cmdStop.SetVisible(true);
    PB.SetVisible(true);
    lstPass.SetVisible(false);
    generating_ = true;
    modPass::GeneratePassword(lstPass, *count, cmbMask.Text(), PB, chkDoDuplicates.Value() != 0, true);
    generating_ = false;
    if (!IsLoaded())
        return;
    lstPass.SetVisible(true);
    cmdStop.SetEnabled(false);
    cmdStop.SetVisible(false);
    PB.SetVisible(false);
    cmdSave.SetEnabled(true);
    cmdGen.SetEnabled(true);
    lblNumDupes.SetVisible(modPass::DuplicateCount >= 1);
    lblNumDupes.SetCaption(std::to_wstring(modPass::DuplicateCount));
}

void FrmPassGen::cmdStop_Click()
{
    modPass::StopRequested = true;
}

void FrmPassGen::cmdSet_Click()
{
    if (txtCustom.Text().empty())
        return;
    cmbMask.AddItem(txtCustom.Text());
    cmbMask.SetListIndex(cmbMask.ListCount() - 1);
    txtCustom.SetText(L"");
}

void FrmPassGen::txtCustom_Change()
{
    const std::wstring& mask = txtCustom.Text();
    if (!mask.empty())
        cmdSet.SetEnabled(passwords::HasPlaceholder(mask));
}

void FrmPassGen::txtCustom_LostFocus()
{
    if (chkStrick.Value() != 1)
        return;
    const std::wstring strict = passwords::WithCapitalX(txtCustom.Text());
    if (strict != txtCustom.Text())
        txtCustom.SetText(strict);
}

void FrmPassGen::cmdSave_Click()
{
    CD.Filter = L"Text File (*.txt)|*.txt";
    CD.Flags = SaveFlags;
    CD.ShowSave(Hwnd());
    if (CD.FileName.empty())
        return;
    std::wstring content = std::wstring(L"Created with ") + product::Title + L"\r\n" + std::wstring(51, L'-') + L"\r\n\r\n";
    for (int entry = 0; entry < lstPass.ListCount(); ++entry)
        content += lstPass.List(entry) + L"\r\n";
    // The list is still there to save again.
    if (!WriteAll(CD.FileName, win::ToAnsi(content)))
        MsgBox(basLAnguageSelector::LanguageText(2790, L"The password list could not be saved to %1.", {CD.FileName}), MB_ICONERROR);
}
