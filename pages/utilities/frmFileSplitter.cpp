#include "pages/utilities/frmFileSplitter.h"

ui::FormRef<FrmFileSplitter> frmFileSplitter;

FrmFileSplitter::FrmFileSplitter() : PlaceholderPage(L"frmFileSplitter", L"File Splitter") {}
