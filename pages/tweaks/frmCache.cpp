#include "pages/tweaks/frmCache.h"

#include "pages/tweaks/TweakTable.h"
#include "shell/MenuPage.h"
#include "ui/Effects.h"

ui::FormRef<FrmCache> frmCache;

namespace {

using tweaks::Data;
using tweaks::Kind;
using F = FrmCache;

constexpr RegRoot HKLM = RegRoot::LocalMachine;
constexpr wchar_t MemoryKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

constexpr tweaks::Row LockLimit(const wchar_t* bytes)
{
    return {HKLM, MemoryKey, L"IoPageLockLimit", Kind::Dword, bytes, Data::Nothing(), bytes};
}

constexpr tweaks::Row PagingExecutive(const wchar_t* flag, const wchar_t* selectsAtLoad = nullptr)
{
    return {HKLM, MemoryKey, L"DisablePagingExecutive", Kind::Dword, flag, Data::Nothing(), selectsAtLoad};
}

constexpr tweaks::Row NoLockLimit{HKLM, MemoryKey, L"IoPageLockLimit", Kind::Dword, Data::Delete(), Data::Nothing()};

// Each option writes its two values in order. The paging test comes last, so
// with DisablePagingExecutive 1 the largest class wins over any lock limit.
const tweaks::Entry<F, ui::SevOption> Rows[] = {
    {&F::chkCache32min, LockLimit(L"4096")},
    {&F::chkCache32min, PagingExecutive(L"0")},
    {&F::chk32plus, LockLimit(L"8192")},
    {&F::chk32plus, PagingExecutive(L"0")},
    {&F::chk64plus, LockLimit(L"16384")},
    {&F::chk64plus, PagingExecutive(L"0")},
    {&F::chk128plus, LockLimit(L"32768")},
    {&F::chk128plus, PagingExecutive(L"0")},
    {&F::chk256plus, LockLimit(L"65536")},
    {&F::chk256plus, PagingExecutive(L"0")},
    {&F::chk512plus, PagingExecutive(L"1", L"1")},
    {&F::chk512plus, NoLockLimit},
};

} // namespace

FrmCache::FrmCache() : PageForm(L"frmCache") {}

void FrmCache::CreateControls()
{
    Place({
        PageFrameRow(fraCache),
        {sevFrame1, &fraCache, {120, 120, 5775, 5535}, L"", L"Cache-Manager"},
        {Label5, &sevFrame1, {240, 420, 5295, 1095}, L"1370", L"."},
        {chkCache32min, &sevFrame1, {240, 1680, 5295, 285}, L"1390", L"."},
        {chk32plus, &sevFrame1, {240, 2100, 5295, 285}, L"1400", L"."},
        {chk64plus, &sevFrame1, {240, 2520, 5295, 285}, L"1410", L"."},
        {chk128plus, &sevFrame1, {240, 2940, 5295, 285}, L"1420", L"."},
        {chk256plus, &sevFrame1, {240, 3360, 5295, 285}, L"1430", L"."},
        {chk512plus, &sevFrame1, {240, 3780, 5295, 285}, L"1440", L"."},
        {cmdStandartWieder, &sevFrame1, {240, 4500, 2400, 375}, L"1380", L"."},
        {txtErfolg, nullptr, {120, 120, 615, 285}, L"1450", nullptr, false},
    });
    SetTitledFrameColors(sevFrame1);
    Label5.SetTransparent(true);

    tweaks::BindClicks(*this, Rows);
    cmdStandartWieder.onClick = [this] { cmdStandartWieder_Click(); };
}

void FrmCache::Form_Load()
{
    tweaks::Load(*this, Rows);
}

void FrmCache::cmdStandartWieder_Click()
{
    for (ui::SevOption* option : {&chkCache32min, &chk32plus, &chk64plus, &chk128plus, &chk256plus, &chk512plus})
        option->SetValue(false);
    // Windows' own defaults: the kernel may be paged, no lock limit of ours.
    PagingExecutive(L"0").Write(true);
    NoLockLimit.Write(true);
    MsgBox(txtErfolg.Text(), MB_ICONINFORMATION);
}
