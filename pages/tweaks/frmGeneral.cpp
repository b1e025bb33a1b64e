#include "pages/tweaks/frmGeneral.h"

ui::FormRef<FrmGeneral> frmGeneral;

FrmGeneral::FrmGeneral() : PlaceholderPage(L"frmGeneral", L"General") {}
