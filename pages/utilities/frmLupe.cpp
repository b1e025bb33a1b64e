#include "pages/utilities/frmLupe.h"

ui::FormRef<FrmLupe> frmLupe;

FrmLupe::FrmLupe() : PlaceholderPage(L"frmLupe", L"Magnifier") {}
