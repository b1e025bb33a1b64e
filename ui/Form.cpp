#include "ui/Form.h"

#include "ui/win/Handles.h"

#include <algorithm>

namespace ui {

namespace {

constexpr wchar_t FormClass[] = L"BrvtForm";

int ScreenDpi()
{
    static const int dpi = [] {
        win::WindowDC screen(nullptr);
        const int value = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

HWND ApplicationWindow()
{
    static const HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"Brevantor", WS_POPUP, 0, 0, 0, 0,
                                                 nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    return window;
}

// Wakes a waiting event loop so that it looks at its condition again.
void WakeEventLoop()
{
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
}

void DispatchOne(MSG& msg)
{
    // Tab and the arrow keys move between controls of a form, as in a dialog.
    const HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && ::IsDialogMessageW(root, &msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

} // namespace

// Form

Form::Form(std::wstring name) : name_(std::move(name)) {}

Form::~Form()
{
    if (loaded_)
        FormCollection::Instance().Remove(*this);
}

int Form::ToPixels(int twipsValue)
{
    return twips::ToPixels(twipsValue, ScreenDpi());
}

FormStyle Form::Style() const
{
    // A page form: never shown itself, only its page frame is. A hidden child
    // of the application window costs Wine far less than a top-level window.
    FormStyle style;
    style.style = WS_CHILD;
    style.clientWidth = 6015;
    style.clientHeight = 5775;
    style.caption = name_;
    return style;
}

void Form::Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    FormCollection::Instance().Add(*this);

    const FormStyle style = Style();
    RECT bounds{0, 0, ToPixels(style.clientWidth), ToPixels(style.clientHeight)};
    const DWORD windowStyle = (style.style & ~WS_VISIBLE) | WS_CLIPCHILDREN;
    ::AdjustWindowRectEx(&bounds, windowStyle, FALSE, style.exStyle);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    RECT place{0, 0, width, height};
    if (style.centred) {
        const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        place = RECT{left, top, left + width, top + height};
    } else if (style.defaultPosition) {
        place = RECT{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + width, CW_USEDEFAULT + height};
    }
    CreateOwnWindow(FormClass, windowStyle, style.exStyle | WS_EX_CONTROLPARENT, style.caption.c_str(), place,
                    style.ownedByApplication || (style.style & WS_CHILD) ? ApplicationWindow() : nullptr);
    if (style.icon) {
        ::SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(style.icon));
        ::SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(style.icon));
    }
    CreateControls();
    Form_Load();
    if (loaded_ && FormCollection::Instance().onLoad)
        FormCollection::Instance().onLoad(*this);
}

void Form::Unload()
{
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    DestroyOwnWindow();
    loaded_ = false;
    unloaded_ = true;
    unloading_ = false;
    WakeEventLoop();
    FormCollection::Instance().Remove(*this);
}

void Form::Show()
{
    if (!loaded_)
        Load();
    ::ShowWindow(Hwnd(), SW_SHOW);
}

void Form::Hide()
{
    if (!loaded_)
        Load();
    ::ShowWindow(Hwnd(), SW_HIDE);
    WakeEventLoop();
}

bool Form::Visible() const
{
    return Hwnd() && (::GetWindowLongW(Hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Form::ShowModal()
{
    if (!loaded_)
        Load();
    std::vector<HWND> disabled;
    for (Form* form : FormCollection::Instance().Loaded())
        if (form != this && form->Hwnd() && ::IsWindowEnabled(form->Hwnd())) {
            ::EnableWindow(form->Hwnd(), FALSE);
            disabled.push_back(form->Hwnd());
        }
    Show();
    ::SetForegroundWindow(Hwnd());
    RunMessageLoop([this] { return loaded_ && Visible(); });
    for (HWND hwnd : disabled)
        if (::IsWindow(hwnd))
            ::EnableWindow(hwnd, TRUE);
}

std::wstring Form::Caption() const
{
    if (!Hwnd())
        return {};
    const int length = ::GetWindowTextLengthW(Hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    ::GetWindowTextW(Hwnd(), text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

void Form::SetCaption(const std::wstring& caption)
{
    if (Hwnd())
        ::SetWindowTextW(Hwnd(), caption.c_str());
}

void Form::OnSystemClose()
{
    Unload();
}

void Form::Place(std::initializer_list<ControlRow> rows)
{
    for (const ControlRow& row : rows) {
        Control& control = row.control;
        control.Tag = row.tag;
        if (row.caption)
            control.SetCaption(row.caption);
        const HWND parent = row.parent ? row.parent->Hwnd() : Hwnd();
        const int left = ToPixels(row.place.left);
        const int top = ToPixels(row.place.top);
        control.Create(parent, RECT{left, top, left + ToPixels(row.place.width), top + ToPixels(row.place.height)},
                       row.visible);
        // New child windows go to the bottom of their siblings; a table lists them bottom to top.
        ::SetWindowPos(control.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        controls_.push_back(&control);
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        OnSystemClose();
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        ::GetClientRect(Hwnd(), &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    default:
        return DefaultProcedure(message, wParam, lParam);
    }
}

// FormCollection

FormCollection& FormCollection::Instance()
{
    static FormCollection collection;
    return collection;
}

void FormCollection::Add(Form& form)
{
    forms_.push_back(&form);
}

void FormCollection::Remove(Form& form)
{
    const auto found = std::find(forms_.begin(), forms_.end(), &form);
    if (found == forms_.end())
        return;
    forms_.erase(found);
    if (forms_.empty() && onEmpty)
        onEmpty();
}

// Event loop

void DoEvents()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchOne(msg);
    }
}

void RunMessageLoop(const std::function<bool()>& keepRunning)
{
    MSG msg;
    while (keepRunning()) {
        const BOOL result = ::GetMessageW(&msg, nullptr, 0, 0);
        if (result == 0) {
            // Leave the quit for the outer loop too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (result == -1)
            return;
        DispatchOne(msg);
    }
}

} // namespace ui
