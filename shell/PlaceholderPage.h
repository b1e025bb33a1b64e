#pragma once
// A page that is not built yet: its page frame shows only the page's title,
// so that every menu picture already leads to its page.
#include "shell/PageForm.h"
#include "ui/SkinControls.h"

#include <string>

class PlaceholderPage : public ui::PageForm {
public:
    ui::SevFrame sevFrame1{L"sevFrame1"};

protected:
    PlaceholderPage(std::wstring name, std::wstring title);

    // Places the page frame and the titled frame in it.
    void PlaceTitled(ui::Frame& pageFrame);

private:
    std::wstring title_;
};
