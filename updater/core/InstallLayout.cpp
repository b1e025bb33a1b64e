#include "updater/core/InstallLayout.h"

InstallLayout::InstallLayout(std::wstring_view programFolder) : root(programFolder)
{
    if (!root.empty() && root.back() == L'\\')
        root.pop_back();
}

std::wstring InstallLayout::Resolve(std::wstring_view path) const
{
    const bool absolute = (path.size() >= 2 && path[1] == L':') || (!path.empty() && path[0] == L'\\');
    if (absolute || path.empty())
        return std::wstring(path);
    return root + L"\\" + std::wstring(path);
}

InstallRepair PlanRepair(const InstallFolders& found)
{
    InstallRepair repair;
    repair.discardPartial = found.partial;
    repair.discardFresh = found.fresh;
    if (found.previous) {
        // main.old without main: stopped before the new folder took its place.
        repair.restorePrevious = !found.main;
        repair.finish = found.main;
    }
    return repair;
}
