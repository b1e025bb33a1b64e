#pragma once
// The frame that the section menu pages share: the small product logo and a
// titled frame that holds the page's picture buttons.
#include "shell/Artwork.h"
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

#include <functional>
#include <initializer_list>

// Back, border and caption colours of the pages' titled frames.
void SetTitledFrameColors(ui::SevFrame& frame);

class MenuPage : public ui::PageForm {
public:
    ui::PictureBox picLogo{L"picLogo"};
    ui::SevFrame sevFrame1{L"sevFrame1"};

protected:
    using PageForm::PageForm;

    // A picture button inside sevFrame1: its name for the keyboard and screen
    // readers, its place there, its image and what a click does.
    struct PictureButton {
        ui::PictureBox& picture;
        const wchar_t* name;
        twips::Rect place;
        art::ImageId image;
        std::function<void()> onClick;
    };

    // Places the page frame, the logo, sevFrame1 and then the picture buttons, in this order.
    void PlaceMenu(ui::Frame& pageFrame, std::initializer_list<PictureButton> pictures);
};
