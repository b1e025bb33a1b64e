#pragma once
// The download folder and the installation of what was downloaded into it.
// An installation never loses the main folder: see InstallLayout.h for the
// order of its steps and how the next start puts a stopped one right.
#include "updater/core/InstallLayout.h"

#include <string>

namespace modInstall {

enum class TempFolderState {
    Ready,       // there and empty
    Link,        // a junction or symbolic link: a way out of the folder, left alone
    NotEmptied,  // what an earlier run left (or a file of that name) cannot be deleted
};

// Creates the download folder, emptied of whatever an earlier run left there.
TempFolderState PrepareTempFolder();
// Deletes a folder with all its content, read-only files included; true when
// it is gone. A junction or symbolic link, the folder or one inside it, is
// removed itself: what it points at stays.
bool DeleteFolder(const std::wstring& folder);
// Makes the download folder the new main folder and moves the configuration
// it brings to the root. False when that failed; the old main folder and
// configuration are then as they were.
bool InstallUpdate(const InstallLayout& layout);
// Finishes an installation that stopped after the new main folder took the
// old one's place, or rolls back one that stopped before.
void RepairInterruptedInstall(const InstallLayout& layout);

} // namespace modInstall
