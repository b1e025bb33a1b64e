#include "pages/tweaks/modTransTaskbar.h"

#include "ui/win/Handles.h"

#include <memory>

namespace {

// What a box shows at one moment, of its client size.
struct Snapshot {
    std::shared_ptr<win::unique_hbitmap> bitmap;
    SIZE size;
};

Snapshot Take(const ui::PictureBox& box)
{
    RECT client{};
    ::GetClientRect(box.Hwnd(), &client);
    win::WindowDC screen(nullptr);
    win::unique_hdc memory(::CreateCompatibleDC(screen.get()));
    Snapshot shot{std::make_shared<win::unique_hbitmap>(::CreateCompatibleBitmap(screen.get(), client.right, client.bottom)),
                  {client.right, client.bottom}};
    win::SelectedObject selected(memory.get(), shot.bitmap->get());
    box.PaintContent(memory.get(), client);
    return shot;
}

} // namespace

void AlphaBlendPicture(const ui::PictureBox& source, ui::PictureBox& destination, std::uint8_t alpha)
{
    // The new drawing replaces the last blend, so the box starts again from its own picture.
    destination.SetDrawing([image = Take(source), alpha](HDC dc, const RECT&) {
        win::unique_hdc memory(::CreateCompatibleDC(dc));
        win::SelectedObject selected(memory.get(), image.bitmap->get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
        ::AlphaBlend(dc, 0, 0, image.size.cx, image.size.cy, memory.get(), 0, 0, image.size.cx, image.size.cy, blend);
    });
    ::UpdateWindow(destination.Hwnd());
}

void SetTaskbarTransparency(std::uint8_t alpha)
{
    const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!taskbar)
        return;
    ::SetWindowLongW(taskbar, GWL_EXSTYLE, ::GetWindowLongW(taskbar, GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(taskbar, 0, alpha, LWA_ALPHA);
}
