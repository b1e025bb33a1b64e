#pragma once
// The file shredder: overwrites a chosen file in place with fixed patterns and
// random bytes, through a handle that deletes the file when it is closed.
#include "shell/PageForm.h"
#include "ui/CommonDialog.h"
#include "ui/SkinControls.h"

#include <cstdint>
#include <functional>
#include <string>

// One write of the overwriting as the file took it: where it began, how many bytes went, which byte.
struct ShredWrite {
    std::uint64_t offset;
    std::uint32_t length;
    std::uint8_t byte;
};

class FrmShredder : public ui::PageForm {
public:
    FrmShredder();

    ui::Frame fraShredder{L"fraShredder"};
    ui::SevFrame sevFrame1{L"sevFrame1"};
    ui::Label Label5{L"Label5"};
    ui::Label Label1{L"Label1"};
    ui::TextBox txtSchredderDir{L"txtSchredderDir"};
    ui::PictureBox cmdOpen{L"cmdOpen"};
    ui::CommonDialog CommonDialog1;
    ui::XpButton cmdSchredderIt{L"cmdSchredderIt"};
    ui::PictureBox Picture1{L"Picture1"};
    ui::TextBox txtPart1{L"txtPart1"};
    ui::TextBox txtPart2{L"txtPart2"};
    ui::TextBox txtVorgang{L"txtVorgang"};

    enum class Outcome {
        Shredded,
        Declined,   // a protected file the user chose to keep
        Link,       // a symbolic link or junction: what it leads to was not picked
        SecondName, // a hard link: the same bytes go by another name too
        NotFound,
        NotOpened,  // in use by another program, or not writable: left as it was
        Failed,
    };
    // Overwrites the file `passes` times with the fixed patterns and as often
    // with random bytes, then deletes it.
    Outcome Dateischredder(const std::wstring& path, int passes);

    // Told of every write of the overwriting and of every flush after a pass: hooks for the tests.
    std::function<void(const ShredWrite&)> onWrite;
    std::function<void()> onFlush;

protected:
    void CreateControls() override;

private:
    void cmdOpen_Click();
    void cmdSchredderIt_Click();
};

extern ui::FormRef<FrmShredder> frmShredder;
