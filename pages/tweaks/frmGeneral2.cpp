#include "pages/tweaks/frmGeneral2.h"

ui::FormRef<FrmGeneral2> frmGeneral2;

FrmGeneral2::FrmGeneral2() : PlaceholderPage(L"frmGeneral2", L"General (2)") {}
