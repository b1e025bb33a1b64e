#pragma once
// Copies of a program that only notes that it ran (test-tools\noter.exe),
// planted under the names of tools wherever a start by a bare name would find
// them before the system folder: the current folder, the folder of the test
// program and a folder put first on PATH. For its lifetime the test runs in
// that current folder and with that PATH; both come back at the end, and
// every copy and note goes.
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_support {

class PlantedTools {
public:
    explicit PlantedTools(std::initializer_list<const wchar_t*> names);
    ~PlantedTools();
    PlantedTools(const PlantedTools&) = delete;
    PlantedTools& operator=(const PlantedTools&) = delete;

    // Also plants a copy in the system folder, for a tool that the test prefix lacks.
    void PlantInSystemFolder(const wchar_t* name);
    // Whether the system folder's copy of that name ran.
    bool RanInSystemFolder(const wchar_t* name) const;
    // The copies outside the system folder that ran.
    std::vector<std::wstring> RanElsewhere() const;

private:
    std::wstring savedFolder_;
    std::wstring savedPath_;
    std::vector<std::wstring> elsewhere_;
    std::vector<std::wstring> inSystemFolder_;
};

} // namespace testing_support
