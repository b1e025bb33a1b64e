#pragma once
// The tweak pages' own pictures, drawn in code at first use.
#include "ui/Drawing.h"

namespace tweaks {

enum class TweakImage {
    ArrowsOn,       // a shortcut icon with its arrow
    ArrowsOff,      // the same icon without it
    ViewerOn,       // a photo in the picture viewer
    ViewerOff,      // the photo greyed and struck out
    ZipOn,          // a zipped folder
    ZipOff,         // the folder greyed and struck out
    Desktop,        // the transparency preview's desktop, 150 by 72
    Taskbar,        // the same desktop under an opaque taskbar, 150 by 72
    WelcomeLogon,   // the welcome screen
    ClassicLogon,   // the classic logon dialog
    OpenBitmap,     // the open-file button of the toolbar bitmap
};

// Drawn once at first use and kept for the run.
art::Picture Picture(TweakImage image);

} // namespace tweaks
