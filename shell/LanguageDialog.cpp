#include "shell/LanguageDialog.h"

#include "shell/Registry.h"
#include "shell/TranslatedForms.h"
#include "shell/basLAnguageSelector.h"
#include "shell/frmMain.h"
#include "ui/Effects.h"
#include "ui/modWindow.h"

LanguageDialog::LanguageDialog(std::wstring name, bool startDialog, int clientWidth, int clientHeight)
    : Form(std::move(name)), startDialog_(startDialog), clientWidth_(clientWidth), clientHeight_(clientHeight)
{
}

ui::FormStyle LanguageDialog::Style() const
{
    // A fixed tool window: no minimise or maximise box, no taskbar button.
    ui::FormStyle style;
    style.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    style.exStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
    style.clientWidth = clientWidth_;
    style.clientHeight = clientHeight_;
    style.caption = L"Please select a Language:";
    style.centred = true;
    style.ownedByApplication = true;
    return style;
}

void LanguageDialog::CreateControls()
{
    Place({
        {lstLanguages, nullptr, {120, 120, 3255, 1395}},
        {txtSelected, nullptr, {2520, 120, 1095, 285}, L"", nullptr, false},
    });
    PlaceBetween();
    Place({
        {sevProgressBar1, nullptr, {120, 1560, 3255, 135}, L"", nullptr, false},
        {cmdOK, nullptr, {120, 1800, 1575, 375}, L"", L"Apply"},
        {cmdCancel, nullptr, {1800, 1800, 1575, 375}, L"", L"Cancel"},
    });
    txtSelected.SetLocked(true);

    lstLanguages.onClick = [this] { lstLanguages_Click(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
    SetDialogButtons(cmdOK, cmdCancel);
}

void LanguageDialog::OnSystemClose()
{
    // The close box is gone during the pass, but a close command may still arrive.
    if (Busy())
        return;
    Unload();
}

void LanguageDialog::ApplyAfterOneYield()
{
    // Nothing may close the dialog while it waits for the pass.
    startingPass_ = true;
    ui::DoEvents();
    startingPass_ = false;
    cmdOK_Click();
}

void LanguageDialog::cmdOK_Click()
{
    if (Busy())
        return;
    if (txtSelected.Text().empty()) {
        MsgBox(L"Please select a Language!", MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    LanguagePass();
}

void LanguageDialog::cmdCancel_Click()
{
    if (Busy())
        return;
    Unload();
}

void LanguageDialog::lstLanguages_Click()
{
    // A click during the pass would change the name stored at its end.
    if (Busy())
        return;
    txtSelected.SetText(lstLanguages.SelectedText());
}

void LanguageDialog::LanguagePass()
{
    passRunning_ = true;
    // The pass yields; nothing the user does in between may start it again or close the dialog.
    SetInputEnabled(false);
    struct Restore {
        LanguageDialog& dialog;
        ~Restore()
        {
            // Only an escaping error gets here with the dialog still loaded.
            if (dialog.IsLoaded()) {
                dialog.passRunning_ = false;
                dialog.SetInputEnabled(true);
            }
        }
    } restore{*this};

    modWindow::DisableCloseButton(Hwnd());
    if (startDialog_)
        frmMain->Hide();  // loads the main window, whose start-up shows it for a moment
    sevProgressBar1.SetVisible(true);
    ui::DoEvents();
    SetProgress(5);

    const std::wstring fileName = txtSelected.Text() + L".bvl";
    for (const TranslatedForm& entry : TranslatedForms()) {
        basLAnguageSelector::ApplyLanguage(entry.form(), fileName);
        if (entry.progressAfter != 0) {
            ui::DoEvents();
            SetProgress(entry.progressAfter);
        }
    }
    UseLanguage(fileName);

    Registry::SaveString(RegRoot::CurrentUser, SettingsKey, L"lngfile", txtSelected.Text());
    ui::DoEvents();
    SetProgress(100);
    ui::DoEvents();
    if (startDialog_)
        frmMain->Show();
    Unload();
}

void LanguageDialog::SetProgress(int value)
{
    sevProgressBar1.SetValue(value);
    if (onProgress)
        onProgress(value);
}

void LanguageDialog::SetInputEnabled(bool enabled)
{
    lstLanguages.SetEnabled(enabled);
    cmdOK.SetEnabled(enabled);
    cmdCancel.SetEnabled(enabled);
}
