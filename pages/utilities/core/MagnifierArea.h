#pragma once
// The screen area that the magnifier enlarges into its box.
namespace magnifier {

struct Area {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Area&) const = default;
};

// The area round the cursor that fills a box of the given size at the zoom
// (1 to 10): the box's size divided by the zoom, to the nearest pixel (halves
// to even), with the cursor in its middle. Near the screen's edges it reaches
// beyond them, to negative coordinates at the top left.
Area SourceArea(int cursorX, int cursorY, int boxWidth, int boxHeight, int zoom);

} // namespace magnifier
