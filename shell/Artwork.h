#pragma once
// The program's pictures, icons and cursor. All of them are drawn in code at
// first use, so the program carries no image files.
#include <windows.h>

#include <memory>

#include "shell/win/Handles.h"

namespace art {

// A bitmap shared by the controls that show it.
class Image {
public:
    explicit Image(HBITMAP bitmap) noexcept;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    HBITMAP Handle() const noexcept { return bitmap_.get(); }
    SIZE Size() const noexcept { return size_; }

private:
    win::unique_hbitmap bitmap_;
    SIZE size_{};
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
