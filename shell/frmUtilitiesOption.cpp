#include "shell/frmUtilitiesOption.h"

#include "pages/utilities/frmFileSplitter.h"
#include "pages/utilities/frmLupe.h"
#include "pages/utilities/frmPassGen.h"
#include "pages/utilities/frmShredder.h"
#include "shell/Artwork.h"
#include "shell/frmUtilitiesOption2.h"

ui::FormRef<FrmUtilitiesOption> frmUtilitiesOption;

FrmUtilitiesOption::FrmUtilitiesOption() : MenuPage(L"frmUtilitiesOption") {}

void FrmUtilitiesOption::CreateControls()
{
    using art::ImageId;
    PlaceMenu(fraSystem, {
        {picPassg, L"Password generator", {360, 600, 2355, 870}, ImageId::Passgen, [] { ui::ShowPage(frmPassGen->fraPass); }},
        {picSplitter, L"File splitter", {3480, 720, 1290, 735}, ImageId::Splitter, [] { ui::ShowPage(frmFileSplitter->fraSplitter); }},
        {picShredder, L"File shredder", {720, 2160, 1620, 780}, ImageId::Shredder, [] { ui::ShowPage(frmShredder->fraShredder); }},
        {picGlass, L"Magnifier", {3120, 2100, 1935, 870}, ImageId::Glass, [] { ui::ShowPage(frmLupe->fraShredder); }},
    });
    Place({{cmdNaechste, &sevFrame1, {480, 3360, 1695, 375}, L"1780", L"."}});
    cmdNaechste.onClick = [] { ui::ShowPage(frmUtilitiesOption2->fraSystem); };
}
