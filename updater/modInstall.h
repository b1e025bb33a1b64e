#pragma once
// The download folder and the installation of what was downloaded into it.
// An installation never loses the main folder: see InstallLayout.h for the
// order of its steps and how the next start puts a stopped one right.
#include "updater/DownloadFolder.h"
#include "updater/core/InstallLayout.h"

#include <string>

namespace modInstall {

// Deletes a folder with all its content, read-only files included; true when
// it is gone. A junction or symbolic link, the folder or one inside it, is
// removed itself: what it points at stays.
bool DeleteFolder(const std::wstring& folder);
// Makes the downloads, exactly as they arrived, the new main folder and moves
// the configuration they bring to the root; the download folder is released
// once they are copied. False when that failed; the old main folder and
// configuration are then as they were.
bool InstallUpdate(const InstallLayout& layout, DownloadFolder& downloads);
// Finishes an installation that stopped after the new main folder took the
// old one's place, or rolls back one that stopped before.
void RepairInterruptedInstall(const InstallLayout& layout);

} // namespace modInstall
