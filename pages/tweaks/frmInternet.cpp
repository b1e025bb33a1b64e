#include "pages/tweaks/frmInternet.h"

ui::FormRef<FrmInternet> frmInternet;

FrmInternet::FrmInternet() : PlaceholderPage(L"frmInternet", L"Internet") {}
