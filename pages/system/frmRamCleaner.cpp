#include "pages/system/frmRamCleaner.h"

ui::FormRef<FrmRamCleaner> frmRamCleaner;

FrmRamCleaner::FrmRamCleaner() : PlaceholderPage(L"frmRamCleaner", L"RAM Cleaner") {}
