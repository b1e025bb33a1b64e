#pragma once

namespace modBeenden {

// Unloads every loaded form in load order; the program ends with the last one.
void UnloadAllForms();

} // namespace modBeenden
