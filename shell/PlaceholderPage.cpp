#include "shell/PlaceholderPage.h"

#include "shell/MenuPage.h"

PlaceholderPage::PlaceholderPage(std::wstring name, std::wstring title)
    : PageForm(std::move(name)), title_(std::move(title))
{
}

void PlaceholderPage::PlaceTitled(ui::Frame& pageFrame)
{
    Place({
        PageFrameRow(pageFrame),
        {sevFrame1, &pageFrame, {120, 120, 5775, 5535}, L"", title_.c_str()},
    });
    SetTitledFrameColors(sevFrame1);
}
