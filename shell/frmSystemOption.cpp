#include "shell/frmSystemOption.h"

#include "pages/system/frmHDDCLean.h"
#include "pages/system/frmRamCleaner.h"
#include "pages/system/frmSysInfos.h"
#include "pages/system/frmSysRes.h"
#include "pages/tweaks/frmCache.h"
#include "shell/Artwork.h"

ui::FormRef<FrmSystemOption> frmSystemOption;

FrmSystemOption::FrmSystemOption() : MenuPage(L"frmSystemOption") {}

void FrmSystemOption::CreateControls()
{
    using art::ImageId;
    PlaceMenu(fraSystem, {
        {picCleaner, L"Disk cleaner", {360, 480, 1815, 945}, ImageId::Cleaner, [] { ui::ShowPage(frmHDDCLean->fraHDDClean); }},
        {picCache, L"Cache", {3570, 585, 1995, 795}, ImageId::Cache, [] { ui::ShowPage(frmCache->fraCache); }},
        {picRam, L"RAM cleaner", {2040, 1560, 1830, 870}, ImageId::Ram, [] { ui::ShowPage(frmRamCleaner->fraRam); }},
        {picOverview, L"System overview", {360, 2760, 1875, 855}, ImageId::Overview, [] { ui::ShowPage(frmSysInfos->fraInfos); }},
        {picStatus, L"CPU and memory status", {3765, 2760, 1590, 840}, ImageId::Status, [] { ui::ShowPage(frmSysRes->fraRessourcen); }},
    });
}
