#pragma once
// Forms: top-level windows that exist once for the run. A form is created and
// loaded the first time it is touched, is kept in the program's one collection
// of loaded forms in load order, and the program ends with its last form.
#include "ui/Controls.h"
#include "ui/core/Twips.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Form;

// How a form's window looks: styles, client size in twips, caption, background.
struct FormStyle {
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    std::wstring caption;
    bool centred = false;
    // Where Windows places a new window (its cascade), for a window with WS_OVERLAPPED.
    bool defaultPosition = false;
    HICON icon = nullptr;
    // Owned by the program's hidden application window, which keeps it off the
    // taskbar until it asks for a button of its own (WS_EX_APPWINDOW).
    bool ownedByApplication = false;
};

// One row of a form's control table: the control, its parent (null: the form),
// its place in twips, its string number and design caption, and whether it shows.
struct ControlRow {
    Control& control;
    Control* parent;
    twips::Rect place;
    const wchar_t* tag = L"";
    const wchar_t* caption = nullptr;
    bool visible = true;
};

class Form : public Window {
public:
    explicit Form(std::wstring name);
    ~Form() override;

    const std::wstring& Name() const noexcept { return name_; }
    bool IsLoaded() const noexcept { return loaded_; }
    bool WasUnloaded() const noexcept { return unloaded_; }

    // Creates the window and its controls and runs the form's start-up.
    void Load();
    // Runs the form's unload code, destroys its window and leaves the collection.
    void Unload();

    void Show();
    void Hide();
    bool Visible() const;
    // Shows the form and waits, with every other form disabled, until it is hidden
    // or unloaded. As in a dialog, its first control has the focus.
    void ShowModal();

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);
    std::wstring Tag;  // no form of the program carries a string number

    // The controls in the form's control order.
    const std::vector<Control*>& Controls() const noexcept { return controls_; }

    // Pixels of the screen per design twips.
    static int ToPixels(int twipsValue);

protected:
    virtual FormStyle Style() const;
    virtual void CreateControls() {}
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // Closing by the system's close command; unloads the form unless a form decides otherwise.
    virtual void OnSystemClose();

    // Creates the controls of a table, in its order, which is the form's control order;
    // later rows lie on top of earlier ones.
    void Place(std::initializer_list<ControlRow> rows);
    // Tab takes the controls lying directly on the form group by group, in the
    // order given, each group in reading order; the controls in no group come last.
    // For a form whose parts are not laid out in reading order.
    void SetTabGroups(std::initializer_list<std::initializer_list<const Control*>> groups);
    // Enter presses the default button and Esc the cancel button (one button may
    // be both), as in a dialog, unless the focused control takes the key itself.
    void SetDialogButtons(Control& defaultButton, Control& cancelButton);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend std::vector<HWND> TabStops(HWND window);
    // The number of the tab group that holds a window lying on the form; the rest follow all groups.
    size_t TabGroupOf(HWND child) const;

    std::wstring name_;
    std::vector<Control*> controls_;
    std::vector<std::vector<const Control*>> tabGroups_;
    Control* defaultButton_ = nullptr;
    Control* cancelButton_ = nullptr;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool unloading_ = false;
};

// The program's collection of loaded forms, in load order.
class FormCollection {
public:
    static FormCollection& Instance();

    const std::vector<Form*>& Loaded() const noexcept { return forms_; }
    void Add(Form& form);
    void Remove(Form& form);
    // Called when the last form has gone: the program ends then.
    std::function<void()> onEmpty;
    // Called when a form has loaded, after its start-up.
    std::function<void(Form&)> onLoad;

private:
    std::vector<Form*> forms_;
};

// Access to one form of the program: touching it loads it.
template <class T>
class FormRef {
public:
    T& operator()() { return Get(); }
    T* operator->() { return &Get(); }
    bool IsLoaded() const noexcept { return form_ && form_->IsLoaded(); }

    T& Get()
    {
        // A form that was unloaded is built anew, so its next start-up finds its design state.
        if (!form_ || form_->WasUnloaded())
            form_ = std::make_unique<T>();
        if (!form_->IsLoaded())
            form_->Load();
        return *form_;
    }

private:
    std::unique_ptr<T> form_;
};

// The controls inside a window that Tab reaches, in Tab's order.
std::vector<HWND> TabStops(HWND window);

// Lets the event loop handle what is waiting, then returns (a yield of long operations).
void DoEvents();
// Runs the event loop until WM_QUIT or until the condition becomes false.
void RunMessageLoop(const std::function<bool()>& keepRunning);
// Posts the message once an event loop finds nothing waiting: work that can
// wait until the start-up is over and the program waits for the user. A yield
// (DoEvents) does not count as idle.
void PostWhenIdle(HWND hwnd, UINT message);

} // namespace ui
