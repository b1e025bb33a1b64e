#pragma once
// The forms that the language pass loads and translates, in the pass's order.
#include "ui/Form.h"

#include <array>

struct TranslatedForm {
    const wchar_t* name;
    // Touches the form: loads it (running its start-up) unless it is loaded already.
    ui::Form& (*form)();
    // Whether the form is loaded, without touching it.
    bool (*isLoaded)();
    // After this form the pass yields and sets the progress bar to this value; 0: neither.
    int progressAfter;
};

const std::array<TranslatedForm, 27>& TranslatedForms();
