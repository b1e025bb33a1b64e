#pragma once
// Which folder the disk cleaner's quick clean-up may empty. TMP or TEMP may
// name any folder, and the system falls back to the Windows folder when neither
// is set; emptying a drive root, the Windows folder or the profile would destroy
// files that are no temporary files.
#include <string>
#include <string_view>
#include <vector>

namespace foldertoempty {

// The folders the quick clean-up must never empty.
struct Guarded {
    // The Windows, system, program-files and profile folders and the drive
    // roots: neither these nor any folder above them.
    std::vector<std::wstring> withAncestors;
    // The program's own folder (main\): neither it nor the install root above
    // it, which holds the update program and its settings; these two alone.
    std::wstring programFolder;
};

// One spelling of a full path: backslashes, no "." or ".." steps, no trailing
// dots or blanks in a name (the system drops them), no closing backslash except
// at a drive root ("C:\") or share root ("\\server\share\"), letters A to Z
// in upper case, no "\\?\" or "\\.\" in front. "" when the path starts at
// no drive or share.
std::wstring Normalised(std::wstring_view path);

// Every guarded folder, normalised and each once: those of withAncestors with
// every folder above them up to the root, the program folder and the install root.
std::vector<std::wstring> FoldersNotToEmpty(const Guarded& guarded);

// Whether the quick clean-up may delete the files of `folder`: one
// below a root and none of FoldersNotToEmpty. Paths are compared without case,
// after normalising; the caller gives long names.
bool MayEmpty(std::wstring_view folder, const Guarded& guarded);

} // namespace foldertoempty
