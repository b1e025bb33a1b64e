#include "pages/utilities/modPass.h"

#include "pages/utilities/core/PasswordMask.h"
#include "ui/Form.h"

#include <windows.h>

#include <ntsecapi.h>

#include <array>
#include <stdexcept>
#include <unordered_set>

namespace modPass {

std::int32_t DuplicateCount = 0;
bool StopRequested = false;

namespace {

// 32-bit words from the system's cryptographic generator, fetched in blocks.
std::uint32_t RandomWord()
{
    static std::array<std::uint32_t, 256> block;
    static std::size_t next = block.size();
    if (next == block.size()) {
        if (!::RtlGenRandom(block.data(), static_cast<ULONG>(sizeof block)))
            throw std::runtime_error("the system's random number generator failed");
        next = 0;
    }
    return block[next++];
}

std::uint32_t UniformBelow(std::uint32_t bound)
{
    return passwords::Below(bound, RandomWord);
}

// The key under which passwords that differ only in case count as one.
std::wstring CaseFolded(std::wstring text)
{
    if (!text.empty())
        ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

std::wstring MakePassword(std::wstring_view mask)
{
    return passwords::FillMask(mask, UniformBelow);
}

void GeneratePassword(ui::ListBox& list, std::int32_t count, const std::wstring& mask, ui::MBProgressBar& progress,
                      bool dropDuplicates, bool clearFirst)
{
    if (clearFirst)
        list.Clear();
    progress.SetMax(count);
    DuplicateCount = 0;

    std::unordered_set<std::wstring> known;
    if (dropDuplicates)
        for (int entry = 0; entry < list.ListCount(); ++entry)
            known.insert(CaseFolded(list.List(entry)));

    for (std::int32_t i = 0; i < count; ++i) {
        std::wstring password = MakePassword(mask);
        if (dropDuplicates && !known.insert(CaseFolded(password)).second)
            password.clear();
        if (password.empty())
            ++DuplicateCount;
        else
            list.AddItem(password);
        progress.SetValue(i);
        if (StopRequested) {
            progress.SetValue(0);
            StopRequested = false;
            break;
        }
        ui::DoEvents();
    }
}

} // namespace modPass
