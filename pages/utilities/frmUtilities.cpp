#include "pages/utilities/frmUtilities.h"

ui::FormRef<FrmUtilities> frmUtilities;

FrmUtilities::FrmUtilities() : PlaceholderPage(L"frmUtilities", L"Administrative Tools") {}
