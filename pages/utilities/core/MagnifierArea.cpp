#include "pages/utilities/core/MagnifierArea.h"

#include <cmath>

namespace magnifier {

namespace {

int Shrunk(int length, int zoom)
{
    // The default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(1.0 / zoom * length));
}

} // namespace

Area SourceArea(int cursorX, int cursorY, int boxWidth, int boxHeight, int zoom)
{
    const int width = Shrunk(boxWidth, zoom);
    const int height = Shrunk(boxHeight, zoom);
    return {cursorX - width / 2, cursorY - height / 2, width, height};
}

} // namespace magnifier
