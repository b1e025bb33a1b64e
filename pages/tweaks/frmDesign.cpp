#include "pages/tweaks/frmDesign.h"

ui::FormRef<FrmDesign> frmDesign;

FrmDesign::FrmDesign() : PlaceholderPage(L"frmDesign", L"Appearance") {}
