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

// Whether the quick clean-up (the temporary folder, the cookies folder) may
// empty a folder: one that exists and that foldertoempty::MayEmpty allows
// under each name it goes by: the one given, the real one with links resolved,
// and those of the guarded folders met on the way up from either, so that a
// link, another drive letter, a short name or "\\.\C:\..." passes for no
// other folder. Where the system tells no real path (Windows XP), a link on
// the way makes the folder Guarded.
enum class FolderToEmptyCheck { Usable, Missing, Guarded };
FolderToEmptyCheck CheckFolderToEmpty(const std::wstring& folder);

} // namespace diskfiles
