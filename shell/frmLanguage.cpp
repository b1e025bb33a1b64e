#include "shell/frmLanguage.h"

#include "shell/Artwork.h"
#include "shell/Registry.h"
#include "shell/basLAnguageSelector.h"

#include <exception>

ui::FormRef<FrmLanguage> frmLanguage;

FrmLanguage::FrmLanguage() : LanguageDialog(L"frmLanguage", true, 3465, 2235) {}

void FrmLanguage::PlaceBetween()
{
    // The loading panel covers the list when it is shown.
    Place({
        {picHolder, nullptr, {0, 0, 3495, 1520}, L"", nullptr, false},
        {picLogo, &picHolder, {360, 120, 2850, 1365}},
    });
    picHolder.SetBackColor(RGB(255, 255, 255));
    picLogo.SetPicture(art::Get(art::ImageId::AboutLogo));
}

void FrmLanguage::Form_Load()
{
    basLAnguageSelector::FillLanguageList(L"*.bvl", lstLanguages);
    txtSelected.SetText(Registry::GetString(RegRoot::CurrentUser, SettingsKey, L"lngfile", L""));
    if (txtSelected.Text().empty()) {
        Show();
        return;
    }

    // The loading screen: only the logo panel and the progress bar stay inside the window.
    RECT outer;
    ::GetWindowRect(Hwnd(), &outer);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, outer.right - outer.left, ToPixels(2115),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    picHolder.SetVisible(true);
    SetCaption(L"Loading...");
    Show();
    try {
        ApplyAfterOneYield();
    } catch (const std::exception&) {
        // An error that escapes the pass ends it there; the start-up is done then.
    }
}
