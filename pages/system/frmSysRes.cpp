#include "pages/system/frmSysRes.h"

ui::FormRef<FrmSysRes> frmSysRes;

FrmSysRes::FrmSysRes() : PlaceholderPage(L"frmSysRes", L"CPU & Memory Status") {}
