#pragma once
// The pictures of the system overview, the RAM cleaner and the disk cleaner, drawn in code at first use.
#include "ui/Drawing.h"

namespace systempictures {

enum class PictureId {
    Display,     // a monitor, beside the display figures
    Windows,     // an application window, beside the Windows figures
    DriveSweep,  // a hard disk under a magnifying glass, in the sweep's frame
    QuickClean,  // a broom with sparkles, beside the quick actions
    Memory,      // a memory module with a rising arrow, in the RAM cleaner's frame
};

// Drawn once at first use and kept for the run.
art::Picture Get(PictureId id);

} // namespace systempictures
