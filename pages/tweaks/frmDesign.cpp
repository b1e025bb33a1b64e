#include "pages/tweaks/frmDesign.h"

#include "pages/tweaks/TweakTable.h"
#include "pages/tweaks/frmDesign2.h"
#include "shell/Artwork.h"
#include "shell/MenuPage.h"

ui::FormRef<FrmDesign> frmDesign;

namespace {

using tweaks::Kind;
using F = FrmDesign;

constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr wchar_t AdvancedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

// In the order of the load. The balloon tips are read and written under HKLM;
// the search assistant's unticked state is the text "1".
const tweaks::Entry<F, ui::SevCheck> Rows[] = {
    {&F::chkBalloon, {HKLM, AdvancedKey, L"EnableBalloonTips", Kind::Dword, L"0", L"1", L"0"}},
    {&F::chkMenueTaskleiste, {HKCU, AdvancedKey, L"TaskbarGlomming", Kind::Dword, L"0", L"1", L"0"}},
    {&F::chkMenueStarmenue, {HKCU, AdvancedKey, L"IntelliMenus", Kind::Dword, L"0", L"1", L"0"}},
    {&F::chkKleineSymbole,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\SmallIcons", L"SmallIcons", Kind::String, L"yes",
      L"no", L"yes"}},
    {&F::chkOrdnerMusik, {HKCU, AdvancedKey, L"Start_ShowMyMusic", Kind::Dword, L"0", L"1", L"0"}},
    {&F::chkOrdnerBilder, {HKCU, AdvancedKey, L"Start_ShowMyPics", Kind::Dword, L"0", L"1", L"0"}},
    {&F::chkSystemsteuerung,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\HideMyComputerIcons",
      L"{21EC2020-3AEA-1069-A2DD-08002B30309D}", Kind::Dword, L"0", L"1", L"0"}},
    {&F::chkSysKlassisch,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", L"ForceClassicControlPanel",
      Kind::Dword, L"1", L"0", L"1"}},
    {&F::chkSuchAssi,
     {HKCU, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState", L"Use Search Asst", Kind::String,
      L"no", L"1", L"no"}},
};

} // namespace

FrmDesign::FrmDesign() : PageForm(L"frmDesign") {}

void FrmDesign::CreateControls()
{
    Place({
        PageFrameRow(fraDesign),
        {picLogo, &fraDesign, {2040, 120, 1770, 795}},
        {sevFrame1, &fraDesign, {120, 1020, 5775, 4635}, L"", L"Customization (1/2)"},
        {chkBalloon, &sevFrame1, {240, 420, 5295, 285}, L"1680", L"."},
        {chkMenueTaskleiste, &sevFrame1, {240, 780, 5295, 285}, L"1690", L"."},
        {chkMenueStarmenue, &sevFrame1, {240, 1140, 5295, 285}, L"1700", L"."},
        {chkKleineSymbole, &sevFrame1, {240, 1500, 5295, 285}, L"1710", L"."},
        {chkOrdnerMusik, &sevFrame1, {240, 1860, 5295, 285}, L"1730", L"."},
        {chkOrdnerBilder, &sevFrame1, {240, 2220, 5295, 285}, L"1740", L"."},
        {chkSystemsteuerung, &sevFrame1, {240, 2580, 5295, 285}, L"1750", L"."},
        {chkSysKlassisch, &sevFrame1, {240, 2940, 5295, 285}, L"1760", L"."},
        {chkSuchAssi, &sevFrame1, {240, 3300, 5295, 285}, L"1770", L"."},
        {cmdNaechste, &sevFrame1, {4080, 4020, 1455, 375}, L"1780", L"."},
    });
    picLogo.SetPicture(art::Get(art::ImageId::ProductLogoSmall));
    SetTitledFrameColors(sevFrame1);

    tweaks::BindClicks(*this, Rows);
    cmdNaechste.onClick = [] { ui::ShowPage(frmDesign2->fraDesign); };
}

void FrmDesign::Form_Load()
{
    tweaks::Load(*this, Rows);
}
