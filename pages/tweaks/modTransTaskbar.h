#pragma once
// Taskbar transparency: the page's preview and the real taskbar.
#include "ui/Controls.h"

#include <cstdint>

// Shows on the destination its own picture with the source's image blended
// over it at the given opacity (255 covers it, lower lets it show through),
// from the top left corners, over the source's size.
void AlphaBlendPicture(const ui::PictureBox& source, ui::PictureBox& destination, std::uint8_t alpha);

// Makes the Windows taskbar a layered window of the given opacity; does
// nothing when there is no taskbar.
void SetTaskbarTransparency(std::uint8_t alpha);
