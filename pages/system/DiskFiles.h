#pragma once
// What the disk cleaner needs of the file system: the files of one folder,
// searches and deletions by name pattern, and the subfolders it walks into.
// Folder paths end in a backslash.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace diskfiles {

// The bare names of a folder's files, hidden and system ones too, but not its
// subfolders; nothing when the folder cannot be listed.
std::optional<std::vector<std::wstring>> FileNames(const std::wstring& folder);

// A plain file is neither hidden, nor a system file, nor a folder.
enum class Search { Found, NoneFound, Failed };
Search FindPlainFile(const std::wstring& folder, std::wstring_view pattern);

// Deletes every plain file of the folder whose name matches the pattern.
// False when the folder could not be searched or a file could not be deleted
// (read-only or in use); the other files are deleted all the same.
bool DeletePlainFiles(const std::wstring& folder, std::wstring_view pattern);

// The names of the folder's subfolders, sorted without case. Junctions and
// symbolic links (reparse points) are left out: they lead outside the folder,
// or back into it. Nothing when the folder cannot be listed.
std::optional<std::vector<std::wstring>> SubfolderNames(const std::wstring& folder);

// The user's temporary folder as the system names it; "" when it names none.
std::wstring TemporaryFolder();

// Whether the quick clean-up may empty a folder: one that exists and
// is no drive root, Windows, system, program-files or profile folder, nor one
// above them, nor the program's own folder or the install root above it, by
// whatever name it is reached (a link, another drive letter, "\\.\C:\...").
enum class FolderToEmptyCheck { Usable, Missing, Guarded };
FolderToEmptyCheck CheckFolderToEmpty(const std::wstring& folder);

} // namespace diskfiles
