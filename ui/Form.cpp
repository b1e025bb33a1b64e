#include "ui/Form.h"

#include "ui/win/Handles.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

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

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The tab stops within a window in reading order: depth first, the children of
// each window line by line from top to bottom. A window that a sibling
// above it covers whole (a page under the page shown) is out of reach, and so
// is what it holds. With groupOf, the window's own children go group by group,
// each group in reading order.
void CollectTabStops(HWND parent, std::vector<HWND>& stops, const std::function<size_t(HWND)>& groupOf = nullptr)
{
    struct Child {
        HWND hwnd;
        RECT place;
        size_t group;
    };
    std::vector<Child> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!(::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) || !::IsWindowEnabled(child))
            continue;
        RECT place;
        ::GetWindowRect(child, &place);
        const bool covered =
            std::any_of(children.begin(), children.end(), [&](const Child& above) { return Contains(above.place, place); });
        if (!covered)
            children.push_back({child, place, groupOf ? groupOf(child) : 0});
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const Child& a, const Child& b) { return a.place.top < b.place.top; });
    // One line holds what starts above the middle of its first window (a text
    // box and the button beside it); a line is read from left to right.
    for (auto line = children.begin(); line != children.end();) {
        const LONG middle = (line->place.top + line->place.bottom) / 2;
        const auto end = std::find_if(line, children.end(), [middle](const Child& c) { return c.place.top >= middle; });
        std::stable_sort(line, end, [](const Child& a, const Child& b) { return a.place.left < b.place.left; });
        line = end;
    }
    std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) { return a.group < b.group; });
    for (const Child& child : children) {
        if (::GetWindowLongW(child.hwnd, GWL_STYLE) & WS_TABSTOP)
            stops.push_back(child.hwnd);
        else if (::GetWindowLongW(child.hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            CollectTabStops(child.hwnd, stops);
    }
}

// Tab and Shift+Tab move the focus through the form that shows it, in reading
// order. The dialog manager's own order follows the windows' stacking, which
// in the main window would also visit the controls of the pages under the one shown.
bool MoveFocusByTab(HWND root, const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0)
        return false;
    const auto wants = [&msg](HWND hwnd) {
        return ::SendMessageW(hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    };
    if (wants(msg.hwnd) & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return false;
    const std::vector<HWND> stops = TabStops(root);
    if (stops.empty())
        return true;
    // The focus may lie in a part of a control (the edit box of a combo box).
    auto current = stops.end();
    for (HWND hwnd = ::GetFocus(); hwnd && hwnd != root && current == stops.end(); hwnd = ::GetParent(hwnd))
        current = std::find(stops.begin(), stops.end(), hwnd);
    const auto count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t index = current == stops.end() ? -1 : current - stops.begin();
    if (::GetKeyState(VK_SHIFT) < 0)
        index = index < 0 ? count - 1 : (index + count - 1) % count;
    else
        index = (index + 1) % count;
    const HWND next = stops[static_cast<size_t>(index)];
    ::SetFocus(next);
    // As in a dialog, an edit box reached by Tab has its text selected.
    if (wants(next) & DLGC_HASSETSEL)
        ::SendMessageW(next, EM_SETSEL, 0, -1);
    return true;
}

void DispatchOne(MSG& msg)
{
    // Tab, the arrow keys, Space and Enter work between the controls of a form as in a dialog.
    const HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST &&
        (MoveFocusByTab(root, msg) || ::IsDialogMessageW(root, &msg)))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

} // namespace

std::vector<HWND> TabStops(HWND window)
{
    std::vector<HWND> stops;
    const auto* form = dynamic_cast<const Form*>(Window::FromHandle(window));
    CollectTabStops(window, stops, [form](HWND child) { return form ? form->TabGroupOf(child) : size_t{0}; });
    return stops;
}

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
    if (const std::vector<HWND> stops = TabStops(Hwnd()); !stops.empty())
        ::SetFocus(stops.front());
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

void Form::SetTabGroups(std::initializer_list<std::initializer_list<const Control*>> groups)
{
    tabGroups_.assign(groups.begin(), groups.end());
}

size_t Form::TabGroupOf(HWND child) const
{
    const auto holds = [child](const std::vector<const Control*>& group) {
        return std::any_of(group.begin(), group.end(), [child](const Control* control) { return control->Hwnd() == child; });
    };
    return static_cast<size_t>(std::find_if(tabGroups_.begin(), tabGroups_.end(), holds) - tabGroups_.begin());
}

void Form::SetDialogButtons(Control& defaultButton, Control& cancelButton)
{
    defaultButton_ = &defaultButton;
    cancelButton_ = &cancelButton;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // The dialog navigation's Enter and Esc; no control of a form has these numbers.
        if (Control* button = wParam == IDOK ? defaultButton_ : wParam == IDCANCEL ? cancelButton_ : nullptr) {
            ::SendMessageW(button->Hwnd(), BM_CLICK, 0, 0);
            return 0;
        }
        return DefaultProcedure(message, wParam, lParam);
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

namespace {

struct IdleMessage {
    HWND hwnd;
    UINT message;
};

std::vector<IdleMessage>& IdleMessages()
{
    static std::vector<IdleMessage> waiting;
    return waiting;
}

// Posts what waited for an idle moment, if the queue is empty now.
void PostIdleMessages()
{
    auto& waiting = IdleMessages();
    MSG msg;
    if (waiting.empty() || ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        return;
    for (const IdleMessage& idle : std::exchange(waiting, {}))
        ::PostMessageW(idle.hwnd, idle.message, 0, 0);  // a window gone by now takes nothing
}

} // namespace

void PostWhenIdle(HWND hwnd, UINT message)
{
    IdleMessages().push_back({hwnd, message});
}

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
        PostIdleMessages();
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
