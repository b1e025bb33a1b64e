#include "shell/MenuPage.h"

#include "shell/Artwork.h"

void SetTitledFrameColors(ui::SevFrame& frame)
{
    frame.SetColors(RGB(0xFF, 0xFF, 0xFF), RGB(0x7F, 0x9D, 0xB9), RGB(0x00, 0x46, 0xD5));
}

void MenuPage::PlaceMenu(ui::Frame& pageFrame, std::initializer_list<PictureButton> pictures)
{
    Place({
        PageFrameRow(pageFrame),
        {picLogo, &pageFrame, {2040, 240, 1770, 795}},
        {sevFrame1, &pageFrame, {0, 1320, 5895, 3975}, L"1550", L"."},
    });
    picLogo.SetPicture(art::Get(art::ImageId::ProductLogoSmall));
    SetTitledFrameColors(sevFrame1);

    const HCURSOR cursor = art::LinkCursor();
    for (const PictureButton& button : pictures) {
        Place({{button.picture, &sevFrame1, button.place}});
        button.picture.SetPicture(art::Get(button.image));
        button.picture.SetMousePointer(cursor);
        button.picture.onClick = button.onClick;
        button.picture.ActAsButton(button.name);
    }
}
