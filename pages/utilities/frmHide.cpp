#include "pages/utilities/frmHide.h"

ui::FormRef<FrmHide> frmHide;

FrmHide::FrmHide() : PlaceholderPage(L"frmHide", L"Window Hider") {}
