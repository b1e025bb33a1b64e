#include "pages/system/frmHDDCLean.h"

ui::FormRef<FrmHDDCLean> frmHDDCLean;

FrmHDDCLean::FrmHDDCLean() : PlaceholderPage(L"frmHDDCLean", L"Disk Cleaner") {}
