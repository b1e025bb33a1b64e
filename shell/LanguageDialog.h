#pragma once
// What the two language dialogs share: the list of installed languages, Apply
// and Cancel, and the language pass that Apply runs over the translated forms.
#include "ui/Form.h"
#include "ui/SkinControls.h"

#include <functional>
#include <string>

class LanguageDialog : public ui::Form {
public:
    ui::ListBox lstLanguages{L"lstLanguages"};
    ui::TextBox txtSelected{L"txtSelected"};
    ui::SevProgressBar sevProgressBar1{L"sevProgressBar1"};
    ui::XpButton cmdOK{L"cmdOK"};
    ui::XpButton cmdCancel{L"cmdCancel"};

    // Called with each value that a pass gives its progress bar, right after setting it.
    static inline std::function<void(int)> onProgress;

protected:
    // The start dialog also hides the main window before the pass and shows it afterwards.
    LanguageDialog(std::wstring name, bool startDialog, int clientWidth, int clientHeight);

    ui::FormStyle Style() const override;
    void CreateControls() override;
    void OnSystemClose() override;

    // The rows that lie between txtSelected and the progress bar in the control order.
    virtual void PlaceBetween() {}

    // The loading screen's start: one yield so that it is painted, then Apply.
    void ApplyAfterOneYield();

private:
    // Whether the dialog ignores its buttons, its list and the close command.
    bool Busy() const noexcept { return passRunning_ || startingPass_; }
    // Apply: the pass, or the message when no language is chosen.
    void cmdOK_Click();
    void LanguagePass();
    void cmdCancel_Click();
    void lstLanguages_Click();
    void SetProgress(int value);
    void SetInputEnabled(bool enabled);

    bool startDialog_;
    int clientWidth_;
    int clientHeight_;
    bool passRunning_ = false;
    bool startingPass_ = false;
};
