#pragma once
// The shredder page's pictures, drawn in code at first use.
#include "ui/Drawing.h"

namespace filepictures {

// The picture of the button that opens the file dialog: an open folder.
art::Picture OpenFolder();
// The page's decoration: a sheet going into a shredder and leaving it in strips.
art::Picture Shredder();

} // namespace filepictures
