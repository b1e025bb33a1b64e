// File utilities benchmark: on a file of SIZE MB (default 256) in FOLDER, the
// shredder's 36 passes against a bare loop that writes the same bytes with
// WriteFile in 32768-byte blocks and flushes each pass to the disk, and the
// splitter into 1400 KB parts against a bare 32768-byte read and write copy
// into the same part files; RUNS (default 5) of each, taking turns, then the
// medians.
//   file_tools_timer <folder> [runs] [size in MB]
#include "pages/utilities/core/ShredPasses.h"
#include "pages/utilities/core/SplitParts.h"
#include "pages/utilities/frmFileSplitter.h"
#include "pages/utilities/frmShredder.h"
#include "ui/Effects.h"
#include "ui/win/Handles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr DWORD Block = 32768;

// Answers every box with OK and the file dialog with the file to split.
class BenchSeam : public effects::Seam {
public:
    std::wstring chosenFile;
    int ShowMessageBox(HWND, const std::wstring&, const std::wstring&, UINT) override { return IDOK; }
    bool ShowFileDialog(HWND, effects::FileDialogRequest& request) override
    {
        request.fileName = chosenFile;
        return true;
    }
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <class Work>
double Timed(Work work)
{
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool MakeFile(const std::wstring& path, std::uint64_t size)
{
    win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file)
        return false;
    std::vector<BYTE> chunk(1 << 20);
    std::mt19937 engine(1);
    for (BYTE& byte : chunk)
        byte = static_cast<BYTE>(engine());
    for (std::uint64_t done = 0; done < size; done += chunk.size()) {
        DWORD written = 0;
        if (!::WriteFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr))
            return false;
    }
    return true;
}

// The shredder's bytes, written bare: the same handle flags, blocks and passes, nothing else.
void BareOverwrite(const std::wstring& path, std::uint64_t size)
{
    win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_DELETE_ON_CLOSE | FILE_ATTRIBUTE_ARCHIVE,
                                         nullptr));
    std::vector<BYTE> buffer(Block);
    std::mt19937 engine(2);
    const std::uint64_t blocks = size / Block;
    for (int run = 0; run < 4 * shred::Passes; ++run) {
        const bool random = run >= 3 * shred::Passes;
        const BYTE fixed = run % 3 == 0 ? 0x00 : 0xFF;
        for (std::uint64_t k = 0; k < blocks; ++k) {
            std::memset(buffer.data(), random ? static_cast<BYTE>(engine() % 255 + 1) : fixed, Block);
            DWORD written = 0;
            ::WriteFile(file.get(), buffer.data(), Block, &written, nullptr);
        }
        ::FlushFileBuffers(file.get());
        ::SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN);
    }
}

// The splitter's parts, written bare: the same names, count and sizes, one
// 32768-byte read and write after the other.
void BareSplit(const std::wstring& from, std::uint64_t size, std::uint64_t partSize)
{
    win::unique_hfile source(
        ::CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    const std::wstring prefix = split::GetPartPrefix(from);
    std::vector<BYTE> buffer(Block);
    for (std::uint64_t number = 1, position = 0; position < size; ++number, position += partSize) {
        win::unique_hfile target(::CreateFileW(split::PartName(prefix, number).c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, 0, nullptr));
        const std::uint64_t end = std::min(size, position + partSize);
        for (std::uint64_t done = position; done < end; done += Block) {
            const DWORD block = static_cast<DWORD>(std::min<std::uint64_t>(Block, end - done));
            DWORD read = 0, written = 0;
            ::ReadFile(source.get(), buffer.data(), block, &read, nullptr);
            ::WriteFile(target.get(), buffer.data(), read, &written, nullptr);
        }
    }
}

void DeleteMatching(const std::wstring& folder, const std::wstring& pattern)
{
    WIN32_FIND_DATAW found{};
    win::unique_hfind find(::FindFirstFileW((folder + L"\\" + pattern).c_str(), &found));
    if (!find)
        return;
    do
        ::DeleteFileW((folder + L"\\" + found.cFileName).c_str());
    while (::FindNextFileW(find.get(), &found));
}

void Report(const char* name, const std::vector<double>& page, const std::vector<double>& bare, std::uint64_t bytes)
{
    for (std::size_t run = 0; run < page.size(); ++run)
        std::printf("%s run %zu: page %.0f ms, bare %.0f ms\n", name, run + 1, page[run], bare[run]);
    const double pageMs = Median(page), bareMs = Median(bare);
    const double megabytes = static_cast<double>(bytes) / (1 << 20);
    std::printf("%s median: page %.0f ms (%.0f MB/s), bare %.0f ms (%.0f MB/s): %.1f %% of the bare throughput\n",
                name, pageMs, megabytes * 1000 / pageMs, bareMs, megabytes * 1000 / bareMs, 100 * bareMs / pageMs);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: file_tools_timer <folder> [runs] [size in MB]\n", stderr);
        return 2;
    }
    const std::wstring folder = argv[1];
    const int runs = argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 5;
    const std::uint64_t size = (argc > 3 ? std::wcstoull(argv[3], nullptr, 10) : 256) << 20;
    BenchSeam seam;
    effects::Install(&seam);

    const std::wstring victim = folder + L"\\victim.bin";
    std::vector<double> shredPage, shredBare;
    for (int run = 0; run < runs; ++run) {
        if (!MakeFile(victim, size))
            return std::fputs("cannot write the test file\n", stderr), 1;
        shredBare.push_back(Timed([&] { BareOverwrite(victim, size); }));
        if (!MakeFile(victim, size))
            return std::fputs("cannot write the test file\n", stderr), 1;
        FrmShredder::Outcome outcome = FrmShredder::Outcome::Failed;
        shredPage.push_back(Timed([&] { outcome = frmShredder->Dateischredder(victim, shred::Passes); }));
        if (outcome != FrmShredder::Outcome::Shredded || ::GetFileAttributesW(victim.c_str()) != INVALID_FILE_ATTRIBUTES)
            return std::fputs("the shredder did not shred the file\n", stderr), 1;
    }
    Report("shredder", shredPage, shredBare, size * 4 * shred::Passes);

    const std::wstring source = folder + L"\\source.bin";
    if (!MakeFile(source, size))
        return std::fputs("cannot write the test file\n", stderr), 1;
    seam.chosenFile = source;
    std::vector<double> splitPage, splitBare;
    // Turn about which goes first: each pays for what the other left the file system to tidy.
    for (int run = 0; run < 2 * runs; ++run) {
        if ((run + run / 2) % 2 == 0) {
            splitBare.push_back(Timed([&] { BareSplit(source, size, split::FloppyPartSize); }));
        } else {
            splitPage.push_back(Timed([&] { frmFileSplitter->buttonKopieren.onClick(); }));
            if (::GetFileAttributesW((folder + L"\\source.bat").c_str()) == INVALID_FILE_ATTRIBUTES)
                return std::fputs("the splitter wrote no batch file\n", stderr), 1;
        }
        DeleteMatching(folder, L"source.0*");
        DeleteMatching(folder, L"source.1*");
        ::DeleteFileW((folder + L"\\source.bat").c_str());
    }
    ::DeleteFileW(source.c_str());
    Report("splitter", splitPage, splitBare, size);
    std::fflush(stdout);
    ::ExitProcess(0);
}
