#pragma once
// The file splitter: cuts a file into numbered parts of a fixed size beside it
// and writes a batch file whose copy command joins them again.
#include "shell/PageForm.h"
#include "ui/CommonDialog.h"
#include "ui/SkinControls.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

class FrmFileSplitter : public ui::PageForm {
public:
    FrmFileSplitter();

    ui::Frame fraSplitter{L"fraSplitter"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label5{L"Label5"};
    ui::Label Label2{L"Label2"};
    ui::Label Label3{L"Label3"};
    ui::Label labelDateigroesse{L"labelDateigroesse"};
    ui::SevOption chkFloppy{L"chkFloppy"};
    ui::SevOption chkSelbst{L"chkSelbst"};
    ui::TextBox textDateigroesse{L"textDateigroesse"};
    ui::XpButton buttonKopieren{L"buttonKopieren"};
    ui::Label labelInfo{L"labelInfo"};
    ui::CommonDialog cmdStandarddialog;
    ui::TextBox txtInfo{L"txtInfo"};
    ui::TextBox txtInfo2{L"txtInfo2"};
    ui::TextBox txtInfo3{L"txtInfo3"};
    ui::TextBox txtFinished{L"txtFinished"};

protected:
    void CreateControls() override;

private:
    void buttonKopieren_Click();
    void chkFloppy_Click();
    void chkSelbst_Click();

    // The chosen file's full path, or "" when the dialog was cancelled.
    std::wstring SelectSourceFile();
    // The part size in bytes, or 0 when the typed size is no positive number.
    std::int64_t GetPartSize();

    // What stopped a split: the file it was at and the system's error number.
    struct Failure {
        std::wstring file;
        DWORD error;
    };
    // Asks whether the split may replace the files of its names that exist already.
    bool MayReplace(const std::vector<std::wstring>& existing);
    // Writes the parts from the open source, then the batch file that joins them, each as a new
    // file: only the names in `replaceable`, which the user agreed to, are replaced.
    std::optional<Failure> WriteParts(HANDLE source, const std::wstring& sourcePath, std::uint64_t total,
                                      std::uint64_t partSize, const std::set<std::wstring>& replaceable);
};

extern ui::FormRef<FrmFileSplitter> frmFileSplitter;
