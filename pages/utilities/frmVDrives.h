#pragma once
// Virtual drives: maps a folder to a drive letter, or removes such a mapping,
// with the Windows command subst run from a batch file in the program folder.
#include "shell/PageForm.h"
#include "ui/ComboBox.h"
#include "ui/SkinControls.h"

#include <string>

class FrmVDrives : public ui::PageForm {
public:
    FrmVDrives();

    ui::Frame fraDrive{L"fraDrive"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label lblInfo{L"lblInfo"};
    ui::Label Label1{L"Label1"};
    ui::DriveListBox Drive1{L"Drive1"};
    ui::XpButton cmdHauptErstellen{L"cmdHauptErstellen"};
    ui::XpButton cmdHauptLoeschen{L"cmdHauptLoeschen"};
    ui::XpButton cmdCancle{L"cmdCancle"};
    ui::Label lblInfoPfad{L"lblInfoPfad"};
    ui::TextBox txtPfad{L"txtPfad"};
    ui::XpButton Command3{L"Command3"};
    ui::Label Label2{L"Label2"};
    ui::ComboBox cboLW{L"cboLW", ui::ComboBox::Kind::PickOnly};
    ui::XpButton cmdOK{L"cmdOK"};
    ui::XpButton cmdErstellen{L"cmdErstellen"};
    ui::XpButton cmdLoeschen{L"cmdLoeschen"};
    ui::TextBox txtAbfrageLoeschen{L"txtAbfrageLoeschen"};
    ui::TextBox txtNeu{L"txtNeu"};
    ui::TextBox txtGueltig{L"txtGueltig"};
    ui::TextBox txtErstellt{L"txtErstellt"};
    ui::TextBox txtGeloescht{L"txtGeloescht"};

    // The short (8.3) form of a path, "" when the system gives none.
    static std::wstring GetShortPath(const std::wstring& strFileName);
    // The folder-browse dialog with `sSelPath` preselected: the chosen folder's
    // path, or "" when it was cancelled or the item is no folder on disk.
    std::wstring BrowseForFolderByPath(const std::wstring& sSelPath);

protected:
    void CreateControls() override;
    void Form_Load() override;

private:
    void cmdHauptErstellen_Click();
    void cmdHauptLoeschen_Click();
    void Command3_Click();
    void cmdOK_Click();
    void cmdErstellen_Click();
    void cmdLoeschen_Click();
    void cmdCancle_Click();

    // Writes one of the page's batch files, runs it to its end and deletes it;
    // true when subst did its work, else the user has been told what failed.
    bool RunSubst(const wchar_t* fileName, const std::wstring& lines, const std::wstring& failure);
    // Back to the idle state after a create or delete.
    void EndOperation(ui::XpButton& actionButton);
};

extern ui::FormRef<FrmVDrives> frmVDrives;
