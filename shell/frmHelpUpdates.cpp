#include "shell/frmHelpUpdates.h"

#include "shell/Artwork.h"
#include "shell/core/Paths.h"
#include "shell/frmLang.h"
#include "shell/modBeenden.h"
#include "ui/Effects.h"
#include "ui/core/Product.h"

ui::FormRef<FrmHelpUpdates> frmHelpUpdates;

FrmHelpUpdates::FrmHelpUpdates() : MenuPage(L"frmHelpUpdates") {}

void FrmHelpUpdates::CreateControls()
{
    using art::ImageId;
    PlaceMenu(fraHelpUpdates, {
        {picSkyvell, L"Update", {480, 1560, 1215, 1140}, ImageId::Skyvell, [this] { picSkyvell_Click(); }},
        {picHelp, L"Help", {4200, 1590, 990, 1110}, ImageId::Help, [this] { picHelp_Click(); }},
        {picLang, L"Language", {2280, 2400, 1260, 1215}, ImageId::Language, [] { frmLang->ShowModal(); }},
    });
}

void FrmHelpUpdates::picSkyvell_Click()
{
    // The update program replaces the program's folder, so the program ends
    // whether or not the start succeeded.
    effects::Current().ShellExecute(Hwnd(), paths::UpdateProgramPath(effects::Current().ProgramFolder()));
    modBeenden::UnloadAllForms();
}

void FrmHelpUpdates::picHelp_Click()
{
    MsgBox(L"A Helpfile will be created soon! Until it is created, feel free to use our Support-Forum.", MB_ICONINFORMATION);
    effects::Current().ShellExecute(Hwnd(), product::SupportForumAddress);
}
