#include "pages/utilities/frmUhrzeit.h"

ui::FormRef<FrmUhrzeit> frmUhrzeit;

FrmUhrzeit::FrmUhrzeit() : PlaceholderPage(L"frmUhrzeit", L"Time Synchronisation") {}
