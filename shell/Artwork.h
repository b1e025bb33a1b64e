#pragma once
// brvt's pictures, its about icon and its cursor, drawn in code at first use.
#include "ui/Drawing.h"

namespace art {

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
// The same picture drawn to fill a box of another size; kept per size.
Picture Get(ImageId id, SIZE size);

// Owned by this module and cached per size; callers never destroy it.
HICON AboutIcon(int sizePixels);
// The pointing hand shown over clickable pictures and labels.
HCURSOR LinkCursor();

} // namespace art
