// RAM cleaner benchmark: a cleaning of a machine with TOTAL MB of physical
// memory (default 4096; the page claims 70 % of it in 21 blocks), given by
// the memory seam, against a bare loop that claims and fills the same blocks
// with memset and frees them; RUNS (default 5) of each, taking turns, then
// the medians. During each cleaning a 10 ms timer of this program marks the
// turns of the event loop: the longest time between two of them (the click
// and the end of the cleaning count as turns) is how long the window could
// not answer.
//   ram_cleaner_timer <folder of the language files> [runs] [total MB]
#include "pages/system/core/RamFigures.h"
#include "pages/system/frmRamCleaner.h"
#include "tests/bench/BenchSupport.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <vector>

namespace {

class RamSeam : public bench::BenchSeam {
public:
    RamSeam(std::wstring folder, std::uint64_t total) : BenchSeam(std::move(folder)), total_(total) {}
    bool MemoryStatus(MEMORYSTATUSEX& status) override
    {
        status.dwLength = sizeof status;
        status.ullTotalPhys = total_;
        status.ullAvailPhys = total_ / 2;
        return true;
    }

private:
    std::uint64_t total_;
};

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    return bench::Seconds(from, to) * 1000;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The turns of the event loop, as this program's timer messages arrive.
std::vector<LARGE_INTEGER> turns;

void CALLBACK MarkTurn(HWND, UINT, UINT_PTR, DWORD)
{
    turns.push_back(Now());
}

double LongestGap(const std::vector<LARGE_INTEGER>& marks)
{
    double longest = 0;
    for (std::size_t k = 1; k < marks.size(); ++k)
        longest = std::max(longest, Milliseconds(marks[k - 1], marks[k]));
    return longest;
}

// The same blocks, claimed and written without a turn of the event loop, all freed at the end.
void BareFill(std::uint64_t total)
{
    const auto characters = static_cast<std::size_t>(ram::BlockCharacters(total));
    std::vector<std::unique_ptr<char16_t[]>> blocks;
    for (int i = 0; i < ram::Blocks; ++i) {
        blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(characters));
        std::memset(blocks.back().get(), ' ', characters * sizeof(char16_t));
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::fputs("usage: ram_cleaner_timer <folder of the language files> [runs] [total MB]\n", stderr);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 5;
    const std::uint64_t total = (argc > 3 ? std::wcstoull(argv[3], nullptr, 10) : 4096) << 20;
    RamSeam seam(argv[1], total);
    effects::Install(&seam);
    FrmRamCleaner& page = frmRamCleaner.Get();

    std::vector<double> cleaning, bare, gaps;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start = Now(), end;
        BareFill(total);
        end = Now();
        bare.push_back(Milliseconds(start, end));

        const UINT_PTR timer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, MarkTurn);
        turns.assign(1, Now());
        page.Command1.onClick();
        turns.push_back(Now());
        ::KillTimer(nullptr, timer);
        cleaning.push_back(Milliseconds(turns.front(), turns.back()));
        gaps.push_back(LongestGap(turns));
        std::printf("run %d: cleaning %.0f ms (%zu turns seen, longest gap %.1f ms), bare %.0f ms\n", run + 1,
                    cleaning.back(), turns.size() - 2, gaps.back(), bare.back());
    }
    const double megabytes = static_cast<double>(ram::BlockCharacters(total) * 2 * ram::Blocks) / (1 << 20);
    const double pageMs = Median(cleaning), bareMs = Median(bare);
    std::printf("median: cleaning %.0f ms (%.0f MB/s), bare %.0f ms (%.0f MB/s): %.1f %% of the bare speed; "
                "longest gap %.1f ms\n",
                pageMs, megabytes * 1000 / pageMs, bareMs, megabytes * 1000 / bareMs, 100 * bareMs / pageMs,
                *std::max_element(gaps.begin(), gaps.end()));
    std::fflush(stdout);
    ::ExitProcess(0);
}
