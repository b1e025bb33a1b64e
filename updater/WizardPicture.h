#pragma once
// The picture in the wizard's left strip, drawn in code.
#include "ui/Drawing.h"

// A picture of the given size in pixels: the product emblem over a blue
// gradient, the program's name and a download arrow.
art::Picture WizardPicture(SIZE size);
