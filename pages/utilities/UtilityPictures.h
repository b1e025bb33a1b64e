#pragma once
// The pictures of the clock, tool launcher, password generator, magnifier and
// window hider pages, drawn in code at first use.
#include "ui/Drawing.h"

namespace utilitypictures {

enum class PictureId {
    ClockLogo,
    ToolsLogo,
    PasswordLogo,
    MagnifierLogo,
    HiderLogo,
    ClockFace,
    Toolbox,
    Picker,
};

// Drawn once at first use and kept for the run.
art::Picture Get(PictureId id);

// The picker's cursor: cross hairs, the hotspot in their middle. Owned here.
HCURSOR PickerCursor();
// The window hider's icon, in its notification-area icon too: the emblem with a
// window sign. Owned here and cached per size.
HICON HiderIcon(int sizePixels);

} // namespace utilitypictures
