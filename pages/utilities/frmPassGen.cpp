#include "pages/utilities/frmPassGen.h"

ui::FormRef<FrmPassGen> frmPassGen;

FrmPassGen::FrmPassGen() : PlaceholderPage(L"frmPassGen", L"Password Generator") {}
