#include "pages/tweaks/frmGeneral2.h"

#include "pages/tweaks/TweakPictures.h"
#include "pages/tweaks/frmGeneral.h"
#include "pages/tweaks/modRegistrieren.h"
#include "pages/tweaks/modTransTaskbar.h"
#include "shell/Artwork.h"
#include "shell/MenuPage.h"
#include "shell/Registry.h"
#include "ui/Effects.h"
#include "ui/SystemFolders.h"
#include "ui/core/CommandLine.h"

#include <string>

ui::FormRef<FrmGeneral2> frmGeneral2;

namespace {

constexpr wchar_t ZipValue[] = L"zip";
constexpr wchar_t ZipFoldersDll[] = L"zipfldr.dll";
// The taskbar never becomes invisible.
constexpr int LeastOpacity = 55;
constexpr int FullOpacity = 255;

} // namespace

FrmGeneral2::FrmGeneral2() : PageForm(L"frmGeneral2") {}

void FrmGeneral2::CreateControls()
{
    using tweaks::TweakImage;
    Place({
        PageFrameRow(fraDesign2),
        {picLogo, &fraDesign2, {2040, 120, 1770, 795}},
        {sevFrame1, &fraDesign2, {120, 1020, 5775, 4635}, L"", L"General (2/2)"},
        {fraZIP, &sevFrame1, {240, 360, 5295, 1215}, L"1890", L"."},
        {cmdZIPan, &fraZIP, {240, 480, 1455, 375}, L"1800", L"."},
        {cmdZIPaus, &fraZIP, {1815, 480, 1455, 375}, L"1790", L"."},
        {picZipAk, &fraZIP, {4200, 300, 780, 780}},
        {picZipDeak, &fraZIP, {4200, 300, 780, 780}, L"", nullptr, false},
        {fraTaskbar, &sevFrame1, {240, 1710, 5295, 1875}, L"", L"Taskbar"},
        {Label1, &fraTaskbar, {240, 420, 2400, 255}, L"", L"Transparency:"},
        {HScroll1, &fraTaskbar, {240, 720, 2400, 255}},
        {cmdOK, &fraTaskbar, {240, 1200, 1455, 375}, L"2490", L"."},
        {picTest, &fraTaskbar, {2880, 480, 2250, 1080}},
        {picTaskBar, &picTest, {0, 0, 2250, 1080}, L"", nullptr, false},
        {txtLevel, &fraDesign2, {120, 120, 615, 285}, L"", nullptr, false},
        {cmdNaechste, &sevFrame1, {4080, 4020, 1455, 375}, L"1720", L"."},
    });
    picLogo.SetPicture(art::Get(art::ImageId::ProductLogoSmall));
    for (ui::SevFrame* frame : {&sevFrame1, &fraZIP, &fraTaskbar})
        SetTitledFrameColors(*frame);
    picZipAk.SetPicture(tweaks::Picture(TweakImage::ZipOn));
    picZipDeak.SetPicture(tweaks::Picture(TweakImage::ZipOff));
    picTest.SetPicture(tweaks::Picture(TweakImage::Desktop));
    picTaskBar.SetPicture(tweaks::Picture(TweakImage::Taskbar));
    Label1.SetTransparent(true);
    // More opaque to the right, as on the CPU monitor's slider.
    HScroll1.SetRange(LeastOpacity, FullOpacity);
    HScroll1.SetChanges(1, 10);
    HScroll1.SetValue(FullOpacity);

    cmdZIPan.onClick = [this] { cmdZIPan_Click(); };
    cmdZIPaus.onClick = [this] { cmdZIPaus_Click(); };
    HScroll1.onChange = [this] { HScroll1_Change(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdNaechste.onClick = [] { ui::ShowPage(frmGeneral->fraDesign); };
}

void FrmGeneral2::Form_Load()
{
    if (Registry::GetString(RegRoot::CurrentUser, SettingsKey, ZipValue, L"") == FlagNo)
        ShowZipState(false);
    HScroll1.SetValue(FullOpacity);
    // Only the preview: the taskbar itself keeps whatever opacity it has.
    AlphaBlendPicture(picTaskBar, picTest, static_cast<std::uint8_t>(HScroll1.Value()));
}

void FrmGeneral2::ShowZipState(bool on)
{
    picZipAk.SetVisible(on);
    picZipDeak.SetVisible(!on);
}

void FrmGeneral2::cmdZIPan_Click()
{
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, ZipValue, FlagYes);
    // Without its silent switch: regsvr32 shows its own result.
    effects::Current().RunProgram({systemfolders::InSystem(L"regsvr32.exe"),
                                   commandline::Quoted(systemfolders::InSystem(ZipFoldersDll))},
                                  SW_SHOWMINIMIZED);
    ShowZipState(true);
}

void FrmGeneral2::cmdZIPaus_Click()
{
    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, ZipValue, FlagNo);
    RegisterComServer(systemfolders::InSystem(ZipFoldersDll), false);
    ShowZipState(false);
}

void FrmGeneral2::HScroll1_Change()
{
    txtLevel.SetText(std::to_wstring(HScroll1.Value()));
    AlphaBlendPicture(picTaskBar, picTest, static_cast<std::uint8_t>(HScroll1.Value()));
}

void FrmGeneral2::cmdOK_Click()
{
    SetTaskbarTransparency(static_cast<std::uint8_t>(HScroll1.Value()));
}
