#include "pages/tweaks/frmInternet2.h"

ui::FormRef<FrmInternet2> frmInternet2;

FrmInternet2::FrmInternet2() : PlaceholderPage(L"frmInternet2", L"Internet (2)") {}
