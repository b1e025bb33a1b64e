#include "pages/tweaks/frmDesign2.h"

ui::FormRef<FrmDesign2> frmDesign2;

FrmDesign2::FrmDesign2() : PlaceholderPage(L"frmDesign2", L"Appearance (2)") {}
