#include "shell/frmUeberBox.h"

#include "shell/Artwork.h"

ui::FormRef<FrmUeberBox> frmUeberBox;

FrmUeberBox::FrmUeberBox() : Form(L"frmUeberBox") {}

ui::FormStyle FrmUeberBox::Style() const
{
    ui::FormStyle style;
    style.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    style.exStyle = WS_EX_DLGMODALFRAME;
    style.clientWidth = 5430;
    style.clientHeight = 4890;
    style.caption = L"About Brevantor";
    style.centred = true;
    style.icon = art::AboutIcon(32);
    // A dialog of the main window's: no taskbar button of its own.
    style.ownedByApplication = true;
    return style;
}

void FrmUeberBox::CreateControls()
{
    Place({
        {Picture1, nullptr, {1200, 120, 2880, 1395}},
        {Frame1, nullptr, {240, 1560, 4935, 1095}},
        {Label2, &Frame1, {240, 240, 1215, 255}, L"", L"Version 4.0"},
        {Label1, &Frame1, {240, 555, 4455, 435}, L"", L"Copyright (C) Qor-Software. All rights reserved."},
        {Frame2, nullptr, {240, 2640, 4935, 1695}},
        {Label3, &Frame2, {240, 240, 4455, 855},
         L"", L"This program is distributed without any warranty. Changes to system settings are made at "
              L"your own risk; keep a backup of your data and settings."},
        {Label4, &Frame2, {240, 1200, 4455, 375}, L"", L"Questions and suggestions: see our Support-Forum."},
        {Command1, nullptr, {1800, 4440, 1695, 375}, L"", L"OK"},
    });
    Picture1.SetPicture(art::Get(art::ImageId::AboutLogo));
    Label2.SetFont({L"Arial", 9.75});

    Command1.onClick = [this] { Command1_Click(); };
    // Its only button: Esc closes the box as Enter does.
    SetDialogButtons(Command1, Command1);
}

void FrmUeberBox::Command1_Click()
{
    Unload();
}
