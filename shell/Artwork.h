#pragma once
// The program's pictures, icons and cursor. All of them are drawn in code at
// first use, so the program carries no image files.
#include <windows.h>

#include <functional>
#include <memory>

#include "shell/win/Handles.h"

namespace art {

// A bitmap shared by the controls that show it. It is drawn when it is first
// needed on screen, so that pages that are loaded but never shown draw nothing.
class Image {
public:
    using Painter = std::function<HBITMAP()>;
    Image(SIZE size, Painter paint) noexcept;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    HBITMAP Handle() const;
    SIZE Size() const noexcept { return size_; }

private:
    SIZE size_;
    Painter paint_;
    mutable win::unique_hbitmap bitmap_;
};

using Picture = std::shared_ptr<const Image>;

enum class ImageId {
    // Main window
    TitleStrip,
    MinimiseUp,
    MinimiseDown,
    CloseUp,
    CloseDown,
    SmallMakerLogo,
    LeftPanel,
    Banner,
    BottomStrip,
    EdgeLeft,
    EdgeRight,
    EdgeBottom,
    Bullet,
    StartLogo,
    // Pages
    ProductLogoSmall,
    Cleaner,
    Cache,
    Ram,
    Overview,
    Status,
    Boot,
    Customization,
    General,
    Antispy,
    Passgen,
    Splitter,
    Shredder,
    Glass,
    Synch,
    VDrive,
    Hider,
    Utilities,
    Skyvell,
    Help,
    Language,
    AntispyLogo,
    AntispyDecor,
    CpuGraphGrid,
    CpuMonitorButton,
    // About box
    AboutLogo,
};

// Drawn once at first use and kept for the run; null for an unknown id.
Picture Get(ImageId id);

// Owned by this module and cached per size; callers never destroy them.
HICON ProgramIcon(int sizePixels);
HICON AboutIcon(int sizePixels);
// The pointing hand shown over clickable pictures and labels.
HCURSOR LinkCursor();

} // namespace art
