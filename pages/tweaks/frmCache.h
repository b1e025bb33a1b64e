#pragma once
// Cache: how much memory Windows locks for input and output, chosen by the
// size of the installed memory, and whether the kernel may be paged out.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

class FrmCache : public ui::PageForm {
public:
    FrmCache();

    ui::Frame fraCache{L"fraCache"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label5{L"Label5"};
    ui::SevOption chkCache32min{L"chkCache32min"};
    ui::SevOption chk32plus{L"chk32plus"};
    ui::SevOption chk64plus{L"chk64plus"};
    ui::SevOption chk128plus{L"chk128plus"};
    ui::SevOption chk256plus{L"chk256plus"};
    ui::SevOption chk512plus{L"chk512plus"};
    ui::XpButton cmdStandartWieder{L"cmdStandartWieder"};
    ui::TextBox txtErfolg{L"txtErfolg"};

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void cmdStandartWieder_Click();
};

extern ui::FormRef<FrmCache> frmCache;
