#include "pages/tweaks/frmInternet2.h"

#include "pages/tweaks/TweakPictures.h"
#include "pages/tweaks/frmInternet.h"
#include "shell/MenuPage.h"
#include "shell/Registry.h"
#include "ui/Effects.h"

ui::FormRef<FrmInternet2> frmInternet2;

namespace {

constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr wchar_t MainKey[] = L"Software\\Microsoft\\Internet Explorer\\Main";
constexpr wchar_t TitleValue[] = L"Window Title";
constexpr wchar_t DefaultTitle[] = L"Microsoft Internet Explorer";
constexpr wchar_t ToolbarKey[] = L"Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr wchar_t BitmapValue[] = L"BackBitmap";

} // namespace

FrmInternet2::FrmInternet2() : PageForm(L"frmInternet2") {}

void FrmInternet2::CreateControls()
{
    Place({
        PageFrameRow(fraInternet2),
        {sevFrame1, &fraInternet2, {120, 120, 5775, 5535}, L"", L"Internet (2/2)"},
        {sevFrame2, &sevFrame1, {240, 480, 5295, 1575}, L"2600", L"."},
        {txtIETitel, &sevFrame2, {240, 420, 4815, 315}},
        {cmdUeberTitel, &sevFrame2, {240, 960, 1455, 375}, L"2490", L"."},
        {cmdDefaultTitel, &sevFrame2, {1815, 960, 1455, 375}, L"2620", L"."},
        {sevFrame3, &sevFrame1, {240, 2340, 5295, 1575}, L"2630", L"."},
        {TextToolSkin, &sevFrame3, {240, 420, 4215, 315}},
        {cmdOpenToolSkin, &sevFrame3, {4575, 390, 480, 375}},
        {cmdUeberTitel2, &sevFrame3, {240, 960, 1455, 375}, L"2490", L"."},
        {cmdDefault, &sevFrame3, {1815, 960, 1455, 375}, L"2620", L"."},
        {cmdNaechste, &sevFrame1, {4080, 4860, 1455, 375}, L"1720", L"."},
        {txtAenderung, nullptr, {120, 120, 615, 285}, L"2610", nullptr, false},
    });
    for (ui::SevFrame* frame : {&sevFrame1, &sevFrame2, &sevFrame3})
        SetTitledFrameColors(*frame);
    TextToolSkin.SetLocked(true);
    cmdOpenToolSkin.SetPicture(tweaks::Picture(tweaks::TweakImage::OpenBitmap));
    cmdOpenToolSkin.SetBackColor(RGB(0xFF, 0xFF, 0xFF));
    cmdOpenToolSkin.ActAsButton(L"Open");
    // The apply buttons wait for text.
    cmdUeberTitel.SetEnabled(false);
    cmdUeberTitel2.SetEnabled(false);

    txtIETitel.onChange = [this] { txtIETitel_Change(); };
    cmdUeberTitel.onClick = [this] { cmdUeberTitel_Click(); };
    cmdDefaultTitel.onClick = [this] { cmdDefaultTitel_Click(); };
    TextToolSkin.onChange = [this] { TextToolSkin_Change(); };
    cmdOpenToolSkin.onClick = [this] { cmdOpenToolSkin_Click(); };
    cmdUeberTitel2.onClick = [this] { cmdUeberTitel2_Click(); };
    cmdDefault.onClick = [this] { cmdDefault_Click(); };
    cmdNaechste.onClick = [] { ui::ShowPage(frmInternet->fraInternet); };
}

void FrmInternet2::txtIETitel_Change()
{
    cmdUeberTitel.SetEnabled(!txtIETitel.Text().empty());
}

void FrmInternet2::cmdUeberTitel_Click()
{
    if (txtIETitel.Text().empty()) {
        MsgBox(L"Invalid Title", MB_ICONEXCLAMATION);
        return;
    }
    Registry::SaveString(HKCU, MainKey, TitleValue, txtIETitel.Text());
    MsgBox(txtAenderung.Text(), MB_ICONINFORMATION);
}

void FrmInternet2::cmdDefaultTitel_Click()
{
    // Written as a value rather than deleted.
    txtIETitel.SetText(DefaultTitle);
    Registry::SaveString(HKCU, MainKey, TitleValue, txtIETitel.Text());
    MsgBox(txtAenderung.Text(), MB_ICONINFORMATION);
}

void FrmInternet2::TextToolSkin_Change()
{
    cmdUeberTitel2.SetEnabled(!TextToolSkin.Text().empty());
}

void FrmInternet2::cmdOpenToolSkin_Click()
{
    // A cancelled dialog keeps the path that was there.
    CommonDialog1.CancelError = true;
    CommonDialog1.Filter = L"Windows Bitmap (*.bmp)|*.bmp";
    if (CommonDialog1.ShowOpen(::GetAncestor(cmdOpenToolSkin.Hwnd(), GA_ROOT)))
        TextToolSkin.SetText(CommonDialog1.FileName);
}

void FrmInternet2::cmdUeberTitel2_Click()
{
    // The file is taken as it is named; Internet Explorer checks it when it loads it.
    if (TextToolSkin.Text().empty()) {
        MsgBox(L"Invalid Path", MB_ICONEXCLAMATION);
        return;
    }
    Registry::SaveString(HKCU, ToolbarKey, BitmapValue, TextToolSkin.Text());
    MsgBox(txtAenderung.Text(), MB_ICONINFORMATION);
}

void FrmInternet2::cmdDefault_Click()
{
    TextToolSkin.SetText(L"");
    Registry::DeleteValue(HKCU, ToolbarKey, BitmapValue);
    MsgBox(txtAenderung.Text(), MB_ICONINFORMATION);
}
