#pragma once
// Drive-Cleaner: sweeps the fixed drives for temporary, help index and old
// files, asking per folder when the user wants it; and three quick actions
// that empty the clipboard, the cookies folder and the temporary folder.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

#include <string>

class FrmHDDCLean : public ui::PageForm {
public:
    FrmHDDCLean();

    ui::Frame fraHDDClean{L"fraHDDClean"};
    ui::SevFrame sevFrame2{L"sevFrame2"};
    ui::Label LabelInfozuHDmaker{L"LabelInfozuHDmaker"};
    ui::PictureBox picSweep{L"picSweep"};
    ui::SevCheck chkShowDialog{L"chkShowDialog"};
    ui::XpButton cmdSucheStarten{L"cmdSucheStarten"};
    ui::Label lblPath{L"lblPath"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::XpButton cmdClipBoard{L"cmdClipBoard"};
    ui::XpButton cmdTempOrdner{L"cmdTempOrdner"};
    ui::XpButton cmdCookies{L"cmdCookies"};
    ui::PictureBox picQuickClean{L"picQuickClean"};
    ui::TextBox txtBeendet{L"txtBeendet"};
    ui::TextBox txtClipboard{L"txtClipboard"};
    ui::TextBox txtTheFolder{L"txtTheFolder"};
    ui::TextBox txtEnthaelt{L"txtEnthaelt"};
    ui::TextBox txtTmp{L"txtTmp"};
    ui::TextBox txtTmp2{L"txtTmp2"};
    ui::TextBox txtGID{L"txtGID"};
    ui::TextBox txtGID2{L"txtGID2"};
    ui::TextBox txtOLD{L"txtOLD"};
    ui::TextBox txtOLD2{L"txtOLD2"};
    ui::TextBox txtBeachten{L"txtBeachten"};
    ui::TextBox txtErfolgreich{L"txtErfolgreich"};
    ui::TextBox txtCookies{L"txtCookies"};

    // Handles one folder's files, then each of its subfolders the same way, depth first.
    void CleanFolder(std::wstring path, bool showDialog);

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    // What a quick action tells once it has emptied its folder, or why it left it alone.
    struct QuickActionTexts {
        std::wstring emptied;
        std::wstring missing;
        std::wstring guarded;
    };
    // Empties the folder when diskfiles::CheckFolderToEmpty allows it.
    void EmptyWhenAllowed(const std::wstring& folder, const QuickActionTexts& texts);

    void cmdClipBoard_Click();
    void cmdCookies_Click();
    void cmdTempOrdner_Click();
    void cmdSucheStarten_Click();
};

extern ui::FormRef<FrmHDDCLean> frmHDDCLean;
