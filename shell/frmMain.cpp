#include "shell/frmMain.h"

#include "pages/tweaks/frmInternet.h"
#include "shell/Artwork.h"
#include "shell/PageForm.h"
#include "shell/frmHelpUpdates.h"
#include "shell/frmLogo.h"
#include "shell/frmSystemOption.h"
#include "shell/frmTray.h"
#include "shell/frmTweaksOption.h"
#include "shell/frmUeberBox.h"
#include "shell/frmUtilitiesOption.h"
#include "shell/modBeenden.h"
#include "shell/modSkin.h"
#include "shell/modTaskbar.h"
#include "ui/Effects.h"
#include "ui/core/Product.h"

ui::FormRef<FrmMain> frmMain;

namespace {

constexpr COLORREF Navy = RGB(0x00, 0x00, 0x80);

} // namespace

FrmMain::FrmMain() : Form(L"frmMain") {}

ui::FormStyle FrmMain::Style() const
{
    ui::FormStyle style;
    style.style = WS_POPUP | WS_MINIMIZEBOX;
    style.clientWidth = 9390;
    style.clientHeight = 7710;
    style.caption = product::Title;
    style.centred = true;
    style.icon = art::ProgramIcon(32);
    style.ownedByApplication = true;
    return style;
}

void FrmMain::CreateControls()
{
    using art::ImageId;
    // Later rows lie on top of earlier ones.
    Place({
        {picHeader, nullptr, {0, 0, 9390, 465}},
        {picMin, nullptr, {8760, 120, 195, 210}},
        {picMinUp, nullptr, {6840, 480, 195, 210}, L"", nullptr, false},
        {picMinDown, nullptr, {7080, 480, 195, 210}, L"", nullptr, false},
        {picSchliessen, nullptr, {9000, 120, 210, 210}},
        {picSchliessenUp, nullptr, {6360, 480, 210, 210}, L"", nullptr, false},
        {picSchliessenDown, nullptr, {6600, 480, 210, 210}, L"", nullptr, false},
        {picBack1, nullptr, {0, 460, 2925, 4185}},
        {picBack2, nullptr, {2880, 460, 3405, 1050}},
        {picQorLogoKlein, nullptr, {7560, 500, 1740, 465}},
        {picContainerMain, nullptr, {3280, 1200, 6015, 5775}},
        {picBar, nullptr, {30, 7448, 9390, 225}},
        {lblHP, &picBar, {7200, 15, 2070, 210}, L"", product::MakerWebSite},
        {picLeisteLinks1, nullptr, {0, 4200, 30, 3135}},
        {picLeisteLinks2, nullptr, {0, 4800, 30, 3135}},
        {picLeisteRechts1, nullptr, {9360, 460, 30, 3135}},
        {picLeisteRechts2, nullptr, {9360, 3600, 30, 3135}},
        {picLeisteRechts3, nullptr, {9360, 4680, 30, 3135}},
        {picLeisteUnten1, nullptr, {0, 7680, 3135, 30}},
        {picLeisteUnten2, nullptr, {3120, 7680, 3135, 30}},
        {picLeisteUnten3, nullptr, {6240, 7680, 3135, 30}},
        {lblSystem, &picBack1, {600, 1845, 1000, 285}, L"1000", L"."},
        {picSystem, &picBack1, {240, 1800, 240, 360}},
        {lblWinTweaks, &picBack1, {600, 2805, 1000, 285}, L"1010", L"."},
        {picWinTweaks, &picBack1, {240, 2760, 240, 360}},
        {lblUtilities, &picBack1, {600, 3765, 1000, 285}, L"1020", L"."},
        {picUtilities, &picBack1, {240, 3720, 240, 360}},
        {lblInternetTweaks, nullptr, {600, 5205, 1000, 285}, L"1030", L"."},
        {picInternetTweaks, nullptr, {240, 5160, 240, 360}},
        {lblHelpUpdate, nullptr, {600, 6165, 1000, 285}, L"1040", L"."},
        {picHelpUpdate, nullptr, {240, 6120, 240, 360}},
    });
    // Tab reads the window part by part. The section menu is one part, though its
    // lower two entries lie on the form below picBack1 and the page beside them
    // starts above them.
    SetTabGroups({
        {&picMin, &picSchliessen},
        {&picQorLogoKlein},
        {&picBack1, &lblInternetTweaks, &lblHelpUpdate},
        {&picContainerMain},
        {&picBar},
    });

    picHeader.SetPicture(art::Get(ImageId::TitleStrip));
    picMinUp.SetPicture(art::Get(ImageId::MinimiseUp));
    picMinDown.SetPicture(art::Get(ImageId::MinimiseDown));
    picMin.SetPicture(picMinUp.Picture());
    picSchliessenUp.SetPicture(art::Get(ImageId::CloseUp));
    picSchliessenDown.SetPicture(art::Get(ImageId::CloseDown));
    picSchliessen.SetPicture(picSchliessenUp.Picture());
    picQorLogoKlein.SetPicture(art::Get(ImageId::SmallMakerLogo));
    picBack1.SetPicture(art::Get(ImageId::LeftPanel));
    picBack2.SetPicture(art::Get(ImageId::Banner));
    picBar.SetPicture(art::Get(ImageId::BottomStrip));
    for (ui::PictureBox* edge : {&picLeisteLinks1, &picLeisteLinks2})
        edge->SetPicture(art::Get(ImageId::EdgeLeft));
    for (ui::PictureBox* edge : {&picLeisteRechts1, &picLeisteRechts2, &picLeisteRechts3})
        edge->SetPicture(art::Get(ImageId::EdgeRight));
    for (ui::PictureBox* edge : {&picLeisteUnten1, &picLeisteUnten2, &picLeisteUnten3})
        edge->SetPicture(art::Get(ImageId::EdgeBottom));

    lblHP.SetFont({L"Arial", 8.25});
    lblHP.SetForeColor(RGB(0x00, 0x33, 0x99));
    lblHP.SetTransparent(true);
    lblHP.SetAutoSize(true);

    const art::Picture bullet = art::Get(ImageId::Bullet);
    for (ui::Label* label : {&lblSystem, &lblWinTweaks, &lblUtilities, &lblInternetTweaks, &lblHelpUpdate}) {
        label->SetFont({L"Arial", 12, true});
        label->SetForeColor(Navy);
        label->SetAutoSize(true);
    }
    for (ui::PictureBox* picture : {&picSystem, &picWinTweaks, &picUtilities, &picInternetTweaks, &picHelpUpdate})
        picture->SetPicture(bullet);

    const HCURSOR cursor = art::LinkCursor();
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &lblSystem, &picSystem, &lblWinTweaks, &picWinTweaks, &lblUtilities, &picUtilities, &lblInternetTweaks,
             &picInternetTweaks, &lblHelpUpdate, &picHelpUpdate, &picMin, &picSchliessen, &picQorLogoKlein, &lblHP})
        control->SetMousePointer(cursor);

    ConnectEvents();
}

void FrmMain::ConnectEvents()
{
    const auto section = [](ui::MouseControl& label, ui::MouseControl& picture, std::function<void()> show) {
        label.onClick = show;
        picture.onClick = std::move(show);
    };
    section(lblSystem, picSystem, [] { ui::ShowPage(frmSystemOption->fraSystem); });
    section(lblWinTweaks, picWinTweaks, [] { ui::ShowPage(frmTweaksOption->fraTweaks); });
    section(lblUtilities, picUtilities, [] { ui::ShowPage(frmUtilitiesOption->fraSystem); });
    section(lblInternetTweaks, picInternetTweaks, [] { ui::ShowPage(frmInternet->fraInternet); });
    section(lblHelpUpdate, picHelpUpdate, [] { ui::ShowPage(frmHelpUpdates->fraHelpUpdates); });

    lblHP.onClick = [this] { lblHP_Click(); };
    picQorLogoKlein.onClick = [this] { picQorLogoKlein_Click(); };
    picHeader.onMouseDown = [this](const ui::MouseEvent&) { modSkin::DragWindow(Hwnd()); };

    // The pressed and released images follow every mouse button.
    picMin.onMouseDown = [this](const ui::MouseEvent&) { picMin.SetPicture(picMinDown.Picture()); };
    picMin.onMouseUp = [this](const ui::MouseEvent&) { picMin.SetPicture(picMinUp.Picture()); };
    picMin.onClick = [this] { picMin_Click(); };
    picSchliessen.onMouseDown = [this](const ui::MouseEvent&) { picSchliessen.SetPicture(picSchliessenDown.Picture()); };
    picSchliessen.onMouseUp = [this](const ui::MouseEvent&) { picSchliessen.SetPicture(picSchliessenUp.Picture()); };
    picSchliessen.onClick = [this] { picSchliessen_Click(); };

    // The section labels stand for their bullets too, which do the same.
    for (ui::Label* label : {&lblSystem, &lblWinTweaks, &lblUtilities, &lblInternetTweaks, &lblHelpUpdate, &lblHP})
        label->ActAsButton();
    picMin.ActAsButton(L"Minimise");
    picSchliessen.ActAsButton(L"Close");
    picQorLogoKlein.ActAsButton(L"About");
}

void FrmMain::Form_Load()
{
    modTaskbar::ShowInTaskbar(Hwnd(), true);
    // Loading the notification-area form adds its icon, the way back to a minimised window.
    frmTray.Get();
    ui::ShowPage(frmLogo->fraLogo);
}

void FrmMain::OnSystemClose()
{
    // Alt+F4 ends the program as the close picture does, rather than leaving
    // the hidden pages of a program without a window behind.
    modBeenden::UnloadAllForms();
}

void FrmMain::picMin_Click()
{
    modTaskbar::ShowInTaskbar(Hwnd(), false);
    Hide();
}

void FrmMain::picSchliessen_Click()
{
    modBeenden::UnloadAllForms();
}

void FrmMain::picQorLogoKlein_Click()
{
    frmUeberBox->ShowModal();
}

void FrmMain::lblHP_Click()
{
    effects::Current().ShellExecute(Hwnd(), product::MakerWebAddress);
}
