#include "shell/frmUtilitiesOption2.h"

#include "pages/utilities/frmHide.h"
#include "pages/utilities/frmUhrzeit.h"
#include "pages/utilities/frmUtilities.h"
#include "pages/utilities/frmVDrives.h"
#include "shell/Artwork.h"
#include "shell/frmUtilitiesOption.h"

ui::FormRef<FrmUtilitiesOption2> frmUtilitiesOption2;

FrmUtilitiesOption2::FrmUtilitiesOption2() : MenuPage(L"frmUtilitiesOption2") {}

void FrmUtilitiesOption2::CreateControls()
{
    using art::ImageId;
    PlaceMenu(fraSystem, {
        {picSynch, L"Clock synchronisation", {480, 600, 2505, 930}, ImageId::Synch, [] { ui::ShowPage(frmUhrzeit->fraTime); }},
        {picVDrive, L"Virtual drives", {3360, 760, 1440, 720}, ImageId::VDrive, [] { ui::ShowPage(frmVDrives->fraDrive); }},
        {picHider, L"Window hider", {960, 2160, 1605, 840}, ImageId::Hider, [] { ui::ShowPage(frmHide->fraHider); }},
        {picUtilities, L"Administrative tools", {3600, 2320, 855, 660}, ImageId::Utilities, [] { ui::ShowPage(frmUtilities->fraUtilities); }},
    });
    Place({{cmdNaechste, &sevFrame1, {480, 3360, 1695, 375}, L"1720", L"."}});
    cmdNaechste.onClick = [] { ui::ShowPage(frmUtilitiesOption->fraSystem); };
}
