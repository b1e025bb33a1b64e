#include "pages/system/frmSysInfos.h"

ui::FormRef<FrmSysInfos> frmSysInfos;

FrmSysInfos::FrmSysInfos() : PlaceholderPage(L"frmSysInfos", L"System Overview") {}
