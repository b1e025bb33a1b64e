#include "pages/system/frmSysRes.h"

#include "pages/system/frmMonitor.h"
#include "shell/Artwork.h"
#include "shell/MenuPage.h"
#include "shell/Registry.h"

#include <string>

ui::FormRef<FrmSysRes> frmSysRes;

namespace {

constexpr RegRoot SchedulingRoot = RegRoot::LocalMachine;
constexpr wchar_t SchedulingKey[] = L"SYSTEM\\CurrentControlSet\\Control\\PriorityControl";
constexpr wchar_t SchedulingValue[] = L"Win32PrioritySeparation";
constexpr std::int32_t FavourPrograms = 38;
constexpr std::int32_t FavourServices = 24;

std::wstring MegabytesText(DWORDLONG bytes)
{
    return std::to_wstring(cpu::MegabytesRounded(bytes));
}

} // namespace

FrmSysRes::FrmSysRes()
    : PageForm(L"frmSysRes"),
      sampling_({tmrRefresh, picUsage, lblCpuUsage, picGraph}, L"Error, can't get the CPU usage", MB_ICONERROR)
{
}

void FrmSysRes::CreateControls()
{
    Place({
        PageFrameRow(fraRessourcen),
        {sevFrame1, &fraRessourcen, {120, 120, 5775, 1020}, L"1230"},
        {Label6, &sevFrame1, {240, 360, 2160, 255}, L"", L"Total:"},
        {LabelSpeicherIns, &sevFrame1, {2520, 360, 1800, 255}},
        {Label7, &sevFrame1, {240, 660, 2160, 255}, L"", L"Available:"},
        {LabelAvail, &sevFrame1, {2520, 660, 1800, 255}},
        {sevFrame2, &fraRessourcen, {120, 1230, 5775, 1620}, L"1240"},
        {LabelTPF, &sevFrame2, {240, 360, 2160, 255}, L"", L"TotalPageFile:"},
        {LabelTotalPageFile, &sevFrame2, {2520, 360, 1800, 255}},
        {LabelAV, &sevFrame2, {240, 660, 2160, 255}, L"", L"AvailablePageFile:"},
        {LabelAvailablePageFile, &sevFrame2, {2520, 660, 1800, 255}},
        {LabelTVM, &sevFrame2, {240, 960, 2160, 255}, L"", L"TotalVirtualMemory:"},
        {LabelTotalVirtualMemory, &sevFrame2, {2520, 960, 1800, 255}},
        {Label12, &sevFrame2, {240, 1260, 2160, 255}, L"", L"AvailableVirtualMemory:"},
        {LabelAvailableVirtualMemory, &sevFrame2, {2520, 1260, 1800, 255}},
        // The gauge's frame is as wide as its longest shipped title ("CPU-Auslastung") needs.
        {sevFrame3, &fraRessourcen, {120, 3060, 1770, 1335}, L"1250"},
        {picUsage, &sevFrame3, {435, 330, 900, 855}},
        {lblCpuUsage, &picUsage, {0, 600, 900, 240}, L"", L"0%"},
        {sevFrame4, &fraRessourcen, {2010, 3060, 3195, 1335}, L"1260"},
        {picGraph, &sevFrame4, {120, 270, 2955, 975}},
        {cmdStartcpuMoni, &fraRessourcen, {5355, 3420, 510, 510}},
        {sevFrame5, &fraRessourcen, {120, 4500, 5775, 1155}, L"1270"},
        {chkAnwendungen, &sevFrame5, {240, 360, 5295, 285}, L"1280", L"."},
        {chkHintergrund, &sevFrame5, {240, 720, 5295, 285}, L"1290", L"."},
        {tmrRefresh, &fraRessourcen, {0, 0, 0, 0}, L"", nullptr, false},
    });
    for (ui::SevFrame* frame : {&sevFrame1, &sevFrame2, &sevFrame3, &sevFrame4, &sevFrame5})
        SetTitledFrameColors(*frame);
    PrepareCpuDisplay(picUsage, lblCpuUsage, picGraph);
    cmdStartcpuMoni.SetPicture(art::Get(art::ImageId::CpuMonitorButton));
    cmdStartcpuMoni.SetToolTipText(L"Enable/Disable CPU-Monitoring");
    cmdStartcpuMoni.SetMousePointer(art::LinkCursor());
    cmdStartcpuMoni.ActAsButton(cmdStartcpuMoni.ToolTipText());

    chkAnwendungen.onClick = [this] { chkAnwendungen_Click(); };
    chkHintergrund.onClick = [this] { chkHintergrund_Click(); };
    cmdStartcpuMoni.onClick = [this] { cmdStartcpuMoni_Click(); };
}

void FrmSysRes::Form_Load()
{
    const std::int32_t scheduling = Registry::GetDword(SchedulingRoot, SchedulingKey, SchedulingValue, 0);
    if (scheduling == FavourPrograms)
        chkAnwendungen.SetValue(true);
    if (scheduling == FavourServices)
        chkHintergrund.SetValue(true);

    // The 64-bit figures: a 32-bit record would wrap at 2 GB and more.
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (::GlobalMemoryStatusEx(&memory)) {
        LabelSpeicherIns.SetCaption(MegabytesText(memory.ullTotalPhys));
        LabelAvail.SetCaption(MegabytesText(memory.ullAvailPhys));
        LabelTotalPageFile.SetCaption(MegabytesText(memory.ullTotalPageFile));
        LabelAvailablePageFile.SetCaption(MegabytesText(memory.ullAvailPageFile));
        LabelTotalVirtualMemory.SetCaption(MegabytesText(memory.ullTotalVirtual));
        LabelAvailableVirtualMemory.SetCaption(MegabytesText(memory.ullAvailVirtual));
    }

    sampling_.Start();
}

void FrmSysRes::Form_Unload()
{
    sampling_.Stop();
}

void FrmSysRes::chkAnwendungen_Click()
{
    Registry::SaveDword(SchedulingRoot, SchedulingKey, SchedulingValue, FavourPrograms);
}

void FrmSysRes::chkHintergrund_Click()
{
    Registry::SaveDword(SchedulingRoot, SchedulingKey, SchedulingValue, FavourServices);
}

void FrmSysRes::cmdStartcpuMoni_Click()
{
    ToggleCpuMonitor();
}
