#include "pages/tweaks/frmCache.h"

ui::FormRef<FrmCache> frmCache;

FrmCache::FrmCache() : PlaceholderPage(L"frmCache", L"Cache") {}
