#include "shell/frmLang.h"

#include "shell/basLAnguageSelector.h"

ui::FormRef<FrmLang> frmLang;

FrmLang::FrmLang() : LanguageDialog(L"frmLang", false, 3435, 2280) {}

void FrmLang::Form_Load()
{
    // No stored name: Apply asks for a choice until the list is clicked.
    basLAnguageSelector::FillLanguageList(L"*.bvl", lstLanguages);
}
