#include "shell/frmTweaksOption.h"

#include "pages/tweaks/frmAntispy.h"
#include "pages/tweaks/frmBoot.h"
#include "pages/tweaks/frmDesign.h"
#include "pages/tweaks/frmGeneral.h"
#include "shell/Artwork.h"

ui::FormRef<FrmTweaksOption> frmTweaksOption;

FrmTweaksOption::FrmTweaksOption() : MenuPage(L"frmTweaksOption") {}

void FrmTweaksOption::CreateControls()
{
    using art::ImageId;
    PlaceMenu(fraTweaks, {
        {picBoot, L"Boot and shutdown", {480, 720, 2145, 810}, ImageId::Boot, [] { ui::ShowPage(frmBoot->fraDesign); }},
        {picCustomization, L"Appearance", {3240, 750, 1620, 825}, ImageId::Customization, [] { ui::ShowPage(frmDesign->fraDesign); }},
        {picGeneral, L"General", {999, 2400, 930, 780}, ImageId::General, [] { ui::ShowPage(frmGeneral->fraDesign); }},
        {picAntispy, L"Anti-spy", {3600, 2400, 855, 855}, ImageId::Antispy, [] { ui::ShowPage(frmAntispy->fraAntispy); }},
    });
}
