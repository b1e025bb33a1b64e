#include "pages/tweaks/frmBoot.h"

ui::FormRef<FrmBoot> frmBoot;

FrmBoot::FrmBoot() : PlaceholderPage(L"frmBoot", L"Boot & Shutdown") {}
