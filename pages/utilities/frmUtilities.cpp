#include "pages/utilities/frmUtilities.h"

#include "pages/utilities/UtilityPictures.h"
#include "shell/Artwork.h"
#include "shell/MenuPage.h"
#include "shell/basLAnguageSelector.h"
#include "ui/Effects.h"
#include "ui/SystemFolders.h"

ui::FormRef<FrmUtilities> frmUtilities;

// One link: its label and string number, what it starts and how: a tool of
// the system folder as a process (with a window that leaves the focus where it
// is) or by the shell, or a web address in the browser.
struct FrmUtilities::Link {
    enum class Start { Process, ShellOpen, WebAddress };
    ui::Label FrmUtilities::*label;
    const wchar_t* tag;
    const wchar_t* target;
    Start start;
};

namespace {

constexpr int FirstLinkTop = 960;
constexpr int LinkSpacing = 330;

} // namespace

FrmUtilities::FrmUtilities() : PageForm(L"frmUtilities") {}

void FrmUtilities::CreateControls()
{
    using Start = Link::Start;
    static const Link links[] = {
        {&FrmUtilities::lblDatentraeger, L"2640", L"cleanmgr.exe", Start::Process},
        {&FrmUtilities::lblDatentraegerverwaltung, L"2300", L"diskmgmt.msc", Start::ShellOpen},
        {&FrmUtilities::lblZertifikat, L"2310", L"certmgr.msc", Start::ShellOpen},
        {&FrmUtilities::lblHardware, L"2320", L"devmgmt.msc", Start::ShellOpen},
        {&FrmUtilities::lblVerwaltung, L"2330", L"compmgmt.msc", Start::ShellOpen},
        {&FrmUtilities::lblDefrag, L"2340", L"dfrg.msc", Start::ShellOpen},
        {&FrmUtilities::lblTask, L"2350", L"taskmgr.exe", Start::ShellOpen},
        {&FrmUtilities::lblLeistung, L"2360", L"perfmon.msc", Start::ShellOpen},
        {&FrmUtilities::lblRegEdit, L"2370", L"regedt32.exe", Start::ShellOpen},
        {&FrmUtilities::lblUpdateManager, L"2670", L"http://windowsupdate.microsoft.com", Start::WebAddress},
    };

    Place({
        PageFrameRow(fraUtilities),
        {picLogo, &fraUtilities, {2040, 240, 2700, 795}},
        {sevFrame1, &fraUtilities, {120, 1200, 5775, 4455}, L"", L"Utilities"},
        {Label5, &sevFrame1, {240, 360, 5295, 435}, L"2290", L"."},
        {Picture1, &sevFrame1, {4080, 1080, 1440, 1440}},
    });
    SetTitledFrameColors(sevFrame1);
    picLogo.SetPicture(utilitypictures::Get(utilitypictures::PictureId::ToolsLogo));
    Picture1.SetPicture(utilitypictures::Get(utilitypictures::PictureId::Toolbox));

    const HCURSOR pointer = art::LinkCursor();
    int top = FirstLinkTop;
    for (const Link& link : links) {
        ui::Label& label = this->*link.label;
        Place({{label, &sevFrame1, {480, top, 3360, 255}, link.tag, L"."}});
        label.SetFont({L"Verdana", 8.25, false, true});
        label.SetForeColor(RGB(0x00, 0x46, 0xD5));
        label.SetAutoSize(true);
        label.SetMousePointer(pointer);
        label.onClick = [this, &link] { Launch(link); };
        label.ActAsButton();
        top += LinkSpacing;
    }
}

void FrmUtilities::Launch(const Link& link)
{
    if (link.start == Link::Start::WebAddress) {
        effects::Current().ShellExecute(Hwnd(), link.target);
        return;
    }
    const std::wstring tool = systemfolders::Tool(link.target);
    if (link.start == Link::Start::ShellOpen) {
        effects::Current().ShellExecute(Hwnd(), tool);
        return;
    }
    // A missing tool is no reason to end the program.
    if (!effects::Current().RunProgram({tool, L""}, SW_SHOWNOACTIVATE))
        MsgBox(basLAnguageSelector::LanguageText(2700, L"%1 could not be started.", {tool}), MB_ICONERROR);
}
