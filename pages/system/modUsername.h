#pragma once
// The name of the user who is logged on.
#include <string>

// "" when the system does not tell.
std::wstring GetCurrentUserName();
