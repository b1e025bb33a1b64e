#pragma once
// The download folder c:\brvtupdatetemp of one run. Any account may create
// folders in the root of drive C:, so the folder is made anew by this run,
// open to the current user, SYSTEM and the administrators only, and held open
// so that it cannot be renamed or replaced. Each download is a new file whose
// handle, sharing neither write nor delete, is held until the installation has
// copied it through that handle: what another program puts into the folder,
// or would write into a download, never reaches the installation.
#include "ui/win/Handles.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct LocalFreer {
    void operator()(void* memory) const { ::LocalFree(memory); }
};

// The security descriptor the folder is created with: full access for the
// current user, SYSTEM and the administrators, passed on to what the folder
// holds, nothing inherited from the root of C:. Null when it cannot be made.
std::unique_ptr<void, LocalFreer> PrivateFolderSecurity();

class DownloadFolder {
public:
    enum class State {
        Ready,
        Link,        // a link there could not be removed
        NotRemoved,  // what an earlier run left (or a file of that name) cannot be deleted
        NotCreated,  // it could not be created anew, or another program got there first
    };

    struct Download {
        std::wstring name;  // in the folder
        win::unique_hfile file;
        std::int64_t size = 0;  // the bytes that arrived
    };

    DownloadFolder() = default;
    DownloadFolder(const DownloadFolder&) = delete;
    DownloadFolder& operator=(const DownloadFolder&) = delete;

    // Removes what stands at c:\brvtupdatetemp (a link itself, never what it
    // points at) and creates the folder anew.
    State Create();
    bool IsOpen() const { return static_cast<bool>(folder_); }

    // The file a download of `path` is written to, empty and at its start:
    // a new file, or the one this run already downloaded to that path. Null
    // when the name is taken by anything else, does not lie directly in the
    // folder, or turns out to be a link.
    HANDLE Open(const std::wstring& path);
    // The download written through Open's handle arrived whole with `size` bytes.
    void Arrived(HANDLE file, std::int64_t size);
    // A cancelled download: its file goes.
    void Discard(const std::wstring& path);
    // True when something this run did not download stands at `path`.
    bool IsForeign(const std::wstring& path) const;
    // The file this run downloaded to `path`, or null.
    HANDLE Find(const std::wstring& path) const;
    const std::vector<Download>& Downloads() const { return downloads_; }

    // Closes the files and the folder; from now on other programs may change them.
    void Release();
    // Releases and deletes the folder.
    void Remove();

private:
    // The download of the file that `path` names, or npos.
    size_t IndexOf(const std::wstring& path) const;

    win::unique_hfile folder_;
    std::vector<Download> downloads_;
};

// The first line of a file, read through its handle from the start, within `limit` bytes.
std::wstring FirstLine(HANDLE file, unsigned limit);
