#include "pages/utilities/frmShredder.h"

ui::FormRef<FrmShredder> frmShredder;

FrmShredder::FrmShredder() : PlaceholderPage(L"frmShredder", L"File Shredder") {}
