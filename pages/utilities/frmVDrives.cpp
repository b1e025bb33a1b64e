#include "pages/utilities/frmVDrives.h"

ui::FormRef<FrmVDrives> frmVDrives;

FrmVDrives::FrmVDrives() : PlaceholderPage(L"frmVDrives", L"Virtual Drives") {}
