#include "shell/modBeenden.h"

#include "ui/Form.h"

#include <algorithm>

namespace modBeenden {

void UnloadAllForms()
{
    // A copy: each unload changes the collection.
    const std::vector<ui::Form*> forms = ui::FormCollection::Instance().Loaded();
    auto& loaded = ui::FormCollection::Instance();
    for (ui::Form* form : forms) {
        // An earlier form's unload code may have unloaded a later one already.
        const auto& now = loaded.Loaded();
        if (std::find(now.begin(), now.end(), form) != now.end())
            form->Unload();
    }
}

} // namespace modBeenden
