#pragma once
// The forms that the language pass loads and translates, in the pass's order.
#include "ui/Form.h"

#include <array>
#include <string>

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

// Makes the language of a pass the current one: a form of the pass that loads
// after it (the floating monitor opened again) gets the same texts.
void UseLanguage(const std::wstring& fileName);
