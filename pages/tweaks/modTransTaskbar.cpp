#include "pages/tweaks/modTransTaskbar.h"

#include "ui/win/Handles.h"

#include <memory>

namespace {

// What the box shows now, as a bitmap of its client size.
std::shared_ptr<win::unique_hbitmap> Snapshot(const ui::PictureBox& box, SIZE& size)
{
    RECT client{};
    ::GetClientRect(box.Hwnd(), &client);
    size = {client.right, client.bottom};
    win::WindowDC screen(nullptr);
    win::unique_hdc memory(::CreateCompatibleDC(screen.get()));
    auto bitmap = std::make_shared<win::unique_hbitmap>(::CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    win::SelectedObject selected(memory.get(), bitmap->get());
    box.PaintContent(memory.get(), client);
    return bitmap;
}

} // namespace

void AlphaBlendPicture(const ui::PictureBox& source, ui::PictureBox& destination, std::uint8_t alpha)
{
    SIZE size{};
    const std::shared_ptr<win::unique_hbitmap> image = Snapshot(source, size);
    // The new drawing replaces the last blend, so the box starts again from its own picture.
    destination.SetDrawing([image, size, alpha](HDC dc, const RECT&) {
        win::unique_hdc memory(::CreateCompatibleDC(dc));
        win::SelectedObject selected(memory.get(), image->get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
        ::AlphaBlend(dc, 0, 0, size.cx, size.cy, memory.get(), 0, 0, size.cx, size.cy, blend);
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
