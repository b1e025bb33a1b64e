#pragma once
// The language dialog of the help page: switches the language of every page
// with the same pass as at start-up, leaving the main window as it is.
#include "shell/LanguageDialog.h"

class FrmLang : public LanguageDialog {
public:
    FrmLang();

protected:
    void Form_Load() override;
};

extern ui::FormRef<FrmLang> frmLang;
