#pragma once
// The processor load samplers: one for the NT family, one for Windows 9x,
// behind the one interface that the CPU pages hold.
#include <windows.h>

#include "pages/system/core/CpuLoad.h"

#include <cstdint>
#include <functional>
#include <memory>

class CPUUsageCounter {
public:
    virtual ~CPUUsageCounter() = default;
    virtual void Initialize() = 0;
    // The load in percent since the previous call; -1 when the counters could not be read.
    virtual std::int32_t Query() = 0;
    virtual void Terminate() = 0;
};

// Windows 9x: the kernel's CPU statistic among the dynamic performance data.
class clsCPUUsage : public CPUUsageCounter {
public:
    // The statistics live under HKEY_DYN_DATA; another root serves tests.
    explicit clsCPUUsage(HKEY root = HKEY_DYN_DATA) noexcept : root_(root) {}
    ~clsCPUUsage() override;

    void Initialize() override;
    std::int32_t Query() override;
    void Terminate() override;

private:
    void ReadUsage(HKEY key);

    HKEY root_;
    HKEY statData_ = nullptr;
    DWORD lastValue_ = 0;
};

// NT family: idle time against elapsed time, from the system's own counters.
class clsCPUUsageNT : public CPUUsageCounter {
public:
    void Initialize() override;
    std::int32_t Query() override;
    void Terminate() override {}

private:
    cpu::NtLoadSampler sampler_;
};

// True on the NT family (the platform id of GetVersionExA is 2).
bool IsWindowsNT();

// The sampler that fits the platform, or the one a test asked for.
std::unique_ptr<CPUUsageCounter> CreateCpuUsageCounter();
using CpuUsageCounterFactory = std::function<std::unique_ptr<CPUUsageCounter>()>;
// Replaces the platform's sampler for the pages loaded from now on; null restores it.
void SetCpuUsageCounterFactory(CpuUsageCounterFactory factory);
