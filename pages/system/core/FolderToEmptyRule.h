#pragma once
// Which folder the disk cleaner's quick clean-up may empty. TMP, TEMP and the
// user's shell folders may name any folder, and the system falls back to the
// Windows folder when neither TMP nor TEMP is set; emptying a drive root, the
// Windows folder, a program's folder or the Desktop would destroy files that
// are no temporary files or cookies.
#include <string>
#include <string_view>
#include <vector>

namespace foldertoempty {

// The folders the quick clean-up must never empty.
struct Guarded {
    // The drive roots, the profile, the user's and all users' shell folders,
    // the system and program-files folders: neither these nor any folder above them.
    std::vector<std::wstring> withFoldersAbove;
    // The program-files and Common Files folders: neither these nor any folder inside them.
    std::vector<std::wstring> withFoldersInside;
    // Neither it, nor a folder above or inside it, but for its own Temp folder
    // and the folders below that.
    std::wstring windows;
    // The program's own folder (main\): neither the install root above it,
    // which holds the update program and its settings, nor anything inside that;
    // where the install root is a drive or share root, the program folder and
    // what lies inside it.
    std::wstring programFolder;
};

// One spelling of a full path: backslashes, no "." or ".." steps, no trailing
// dots or blanks in a name (the system drops them), no closing backslash except
// at a drive root ("C:\") or share root ("\\server\share\"), letters A to Z
// in upper case, no "\\?\" or "\\.\" in front. "" when the path starts at
// no drive or share.
std::wstring Normalised(std::wstring_view path);

// The path, normalised, and every folder above it up to its root, in that
// order; nothing when the path starts at no drive or share.
std::vector<std::wstring> FoldersOnTheWayUp(std::wstring_view path);

// Every guarded folder and every folder above those guarded with the folders
// above them, normalised and each once: the folders whose identity the Windows
// side compares with the folders on a path's way up.
std::vector<std::wstring> FoldersToRecognise(const Guarded& guarded);

// The path, normalised, with the folder `above` (one of its FoldersOnTheWayUp)
// named `as` instead: where the path leads when `above` is the folder `as`
// under another name, such as a link or another drive letter.
std::wstring Renamed(std::wstring_view path, std::wstring_view above, std::wstring_view as);

// Whether the quick clean-up may delete the files of the folder at `path`:
// one below a root and not guarded. Paths are compared without case, after
// normalising; the caller gives long names.
bool MayEmpty(std::wstring_view path, const Guarded& guarded);

// The names a folder goes by, as the Windows side found them.
struct FolderNames {
    std::wstring given;
    // The path with every link resolved; "" when the system tells none (before Windows Vista).
    std::wstring real;
    // A junction or symbolic link on the given path, the folder itself
    // included; with no real path, where such a link leads stays unknown.
    bool givenPassesLink = false;
    // The given and the real path with a folder on their way up renamed to the
    // guarded or recognised folder that it is (see Renamed).
    std::vector<std::wstring> others;
};

// Whether the quick clean-up may empty the folder: each of its names is allowed.
bool MayEmpty(const FolderNames& names, const Guarded& guarded);

} // namespace foldertoempty
