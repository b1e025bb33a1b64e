// Times the wizard's own download of one file from the update server, with
// the wizard and its transfer display on screen as during an update:
//   skyvell_download_timer.exe <remote file> <local file in c:\brvtupdatetemp> <runs>
// SKYVELL_TEST_SERVER names the server. Prints one line per run: "ms <n>".
#include "ui/Effects.h"
#include "updater/frmSkyvell.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: skyvell_download_timer <remote file> <local file> <runs>\n");
        return 2;
    }
    const std::wstring remote = argv[1];
    const std::wstring local = argv[2];
    const int runs = std::max(1, _wtoi(argv[3]));

    FrmSkyvell& wizard = frmSkyvell.Get();
    wizard.Show();
    if (!wizard.FTPConnect()) {
        std::fwprintf(stderr, L"no connection to the update server\n");
        return 1;
    }
    // As after the version file: the display shows the download.
    wizard.txtStatus.SetText(L"fertig");
    wizard.frmTransfert.SetVisible(true);

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < runs; ++run) {
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FtpFindFirstFileW(wizard.hConnect.get(), remote.c_str(), &found, INTERNET_FLAG_RELOAD, 0);
        if (!search) {
            std::fwprintf(stderr, L"%ls is not on the server\n", remote.c_str());
            return 1;
        }
        ::InternetCloseHandle(search);
        wizard.UpdateFileSize = static_cast<std::int64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
        if (wizard.downloadFolder.Create() != DownloadFolder::State::Ready) {
            std::fwprintf(stderr, L"the download folder cannot be made\n");
            return 1;
        }

        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        const DownloadResult result = wizard.GetFiles(remote, local, ExpectedSize::Listed(wizard.UpdateFileSize));
        ::QueryPerformanceCounter(&end);
        if (result != DownloadResult::Complete) {
            std::fwprintf(stderr, L"the download failed\n");
            return 1;
        }
        std::wprintf(L"ms %.1f\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                       static_cast<double>(frequency.QuadPart));
        std::fflush(stdout);
    }
    wizard.downloadFolder.Remove();
    wizard.Unload();
    return 0;
}
