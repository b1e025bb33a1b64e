#include "pages/tweaks/frmDesign2.h"

#include "pages/tweaks/TweakPictures.h"
#include "pages/tweaks/TweakTable.h"
#include "pages/tweaks/frmDesign.h"
#include "pages/tweaks/modRegistrieren.h"
#include "shell/Artwork.h"
#include "shell/MenuPage.h"
#include "ui/SystemFolders.h"

ui::FormRef<FrmDesign2> frmDesign2;

namespace {

using tweaks::Data;
using tweaks::Kind;
using F = FrmDesign2;

constexpr RegRoot HKCR = RegRoot::ClassesRoot;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr wchar_t PictureViewerDll[] = L"shimgvw.dll";

// What each option writes when it is chosen, in order; the settings value comes
// first, so it records the choice even when what follows fails. The load reads
// only the settings values: a stored "no" selects the off option.
const tweaks::Entry<F, ui::SevOption> Rows[] = {
    {&F::optPictureAk, {HKCU, SettingsKey, L"PicViewer", Kind::String, FlagYes, Data::Nothing()}},
    {&F::optPictureDeak, {HKCU, SettingsKey, L"PicViewer", Kind::String, FlagNo, Data::Nothing(), FlagNo}},
    {&F::optPfeilAn, {HKCU, SettingsKey, L"arrows", Kind::String, FlagYes, Data::Nothing()}},
    {&F::optPfeilAn, {HKCR, L"LNKFILE", L"IsShortCut", Kind::String, L"1", Data::Nothing()}},
    {&F::optPfeilAn, {HKCR, L"PIFFILE", L"IsShortCut", Kind::String, L"1", Data::Nothing()}},
    {&F::optPfeilAus, {HKCU, SettingsKey, L"arrows", Kind::String, FlagNo, Data::Nothing(), FlagNo}},
    {&F::optPfeilAus, {HKCR, L"LNKFILE", L"IsShortCut", Kind::String, Data::Delete(), Data::Nothing()}},
    {&F::optPfeilAus, {HKCR, L"PIFFILE", L"IsShortCut", Kind::String, Data::Delete(), Data::Nothing()}},
};

void ShowPair(ui::PictureBox& on, ui::PictureBox& off, bool showOn)
{
    on.SetVisible(showOn);
    off.SetVisible(!showOn);
}

} // namespace

FrmDesign2::FrmDesign2() : PageForm(L"frmDesign2") {}

void FrmDesign2::CreateControls()
{
    using tweaks::TweakImage;
    Place({
        PageFrameRow(fraDesign),
        {picLogo, &fraDesign, {2040, 120, 1770, 795}},
        {sevFrame1, &fraDesign, {120, 1020, 5775, 4635}, L"", L"Customization (2/2)"},
        {fraPfeile, &sevFrame1, {240, 360, 5295, 1695}, L"", L"Shortcut-Arrows"},
        {optPfeilAn, &fraPfeile, {240, 360, 3000, 285}, L"1800", L"."},
        {optPfeilAus, &fraPfeile, {240, 720, 3000, 285}, L"1790", L"."},
        {picPfeilAn, &fraPfeile, {4080, 330, 780, 780}},
        {picPfeilAus, &fraPfeile, {4080, 330, 780, 780}, L"", nullptr, false},
        {lblInfo, &fraPfeile, {240, 1140, 4815, 450}, L"1810", L"."},
        {fraPicture, &sevFrame1, {240, 2190, 5295, 1395}, L"", L"Picture-Viewer:"},
        {optPictureAk, &fraPicture, {240, 360, 3000, 285}, L"1800", L"."},
        {optPictureDeak, &fraPicture, {240, 720, 3000, 285}, L"1790", L"."},
        {picBilderAn, &fraPicture, {4080, 330, 780, 780}},
        {picBilderAus, &fraPicture, {4080, 330, 780, 780}, L"", nullptr, false},
        {cmdNaechste, &sevFrame1, {4080, 4020, 1455, 375}, L"1720", L"."},
    });
    picLogo.SetPicture(art::Get(art::ImageId::ProductLogoSmall));
    for (ui::SevFrame* frame : {&sevFrame1, &fraPfeile, &fraPicture})
        SetTitledFrameColors(*frame);
    picPfeilAn.SetPicture(tweaks::Picture(TweakImage::ArrowsOn));
    picPfeilAus.SetPicture(tweaks::Picture(TweakImage::ArrowsOff));
    picBilderAn.SetPicture(tweaks::Picture(TweakImage::ViewerOn));
    picBilderAus.SetPicture(tweaks::Picture(TweakImage::ViewerOff));
    lblInfo.SetTransparent(true);
    // The on options are selected by design.
    optPfeilAn.SetValue(true);
    optPictureAk.SetValue(true);

    optPfeilAn.onClick = [this] { optPfeilAn_Click(); };
    optPfeilAus.onClick = [this] { optPfeilAus_Click(); };
    optPictureAk.onClick = [this] { optPictureAk_Click(); };
    optPictureDeak.onClick = [this] { optPictureDeak_Click(); };
    cmdNaechste.onClick = [] { ui::ShowPage(frmDesign->fraDesign); };
}

void FrmDesign2::Form_Load()
{
    // Selecting from code runs no click: the pictures keep showing the on state.
    tweaks::Load(*this, Rows);
}

void FrmDesign2::optPfeilAn_Click()
{
    tweaks::WriteRows(*this, Rows, optPfeilAn);
    ShowPair(picPfeilAn, picPfeilAus, true);
}

void FrmDesign2::optPfeilAus_Click()
{
    tweaks::WriteRows(*this, Rows, optPfeilAus);
    ShowPair(picPfeilAn, picPfeilAus, false);
}

void FrmDesign2::optPictureAk_Click()
{
    tweaks::WriteRows(*this, Rows, optPictureAk);
    RegisterComServer(systemfolders::InSystem(PictureViewerDll), true);
    ShowPair(picBilderAn, picBilderAus, true);
}

void FrmDesign2::optPictureDeak_Click()
{
    tweaks::WriteRows(*this, Rows, optPictureDeak);
    RegisterComServer(systemfolders::InSystem(PictureViewerDll), false);
    ShowPair(picBilderAn, picBilderAus, false);
}
