#pragma once
// Shell special folders by their number (CSIDL_*).
#include <string>

// The folder's path without a trailing backslash, or "" when the shell cannot resolve it.
std::wstring GetSpecialFolderPath(int folderNumber);
