#include "shell/frmLogo.h"

#include "shell/Artwork.h"

ui::FormRef<FrmLogo> frmLogo;

FrmLogo::FrmLogo() : PageForm(L"frmLogo") {}

void FrmLogo::CreateControls()
{
    Place({
        PageFrameRow(fraLogo),
        {picLogo, &fraLogo, {720, 1320, 4350, 3690}},
    });
    picLogo.SetPicture(art::Get(art::ImageId::StartLogo));
}
