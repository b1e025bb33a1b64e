#include "pages/system/CpuUsage.h"

#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr char StartKey[] = "PerfStats\\StartStat";
constexpr char DataKey[] = "PerfStats\\StatData";
constexpr char StopKey[] = "PerfStats\\StopStat";
constexpr char UsageValue[] = "KERNEL\\CPUUsage";

// The records of NtQuerySystemInformation. The configuration record holds
// pointer-sized fields, so its size and the processor count's place differ
// between the 32-bit and the 64-bit program; the other two hold fixed-width
// fields only and are the same on both.
constexpr ULONG ConfigurationClass = 0;
constexpr ULONG PerformanceClass = 2;
constexpr ULONG TimeOfDayClass = 3;
#ifdef _WIN64
constexpr std::size_t ConfigurationSize = 64;
constexpr std::size_t ProcessorCountOffset = 56;
#else
constexpr std::size_t ConfigurationSize = 44;
constexpr std::size_t ProcessorCountOffset = 40;
#endif
constexpr std::size_t PerformanceSize = 312;
constexpr std::size_t IdleTimeOffset = 0;
constexpr std::size_t TimeOfDaySize = 32;
constexpr std::size_t SystemTimeOffset = 8;

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

QuerySystemInformation QueryFunction()
{
    static const auto function = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    return function;
}

// Reads one record into a zero-filled buffer of exactly its size.
template <std::size_t Size>
bool ReadRecord(ULONG informationClass, std::array<unsigned char, Size>& record)
{
    record.fill(0);
    const QuerySystemInformation query = QueryFunction();
    return query && query(informationClass, record.data(), static_cast<ULONG>(Size), nullptr) == 0;
}

template <std::size_t Size>
std::int64_t Int64At(const std::array<unsigned char, Size>& record, std::size_t offset)
{
    std::int64_t value;
    std::memcpy(&value, record.data() + offset, sizeof value);
    return value;
}

class SystemCounters : public cpu::NtCounters {
public:
    bool ReadProcessorCount(int& processors) override
    {
        std::array<unsigned char, ConfigurationSize> record;
        if (!ReadRecord(ConfigurationClass, record))
            return false;
        processors = record[ProcessorCountOffset];
        return true;
    }
    bool ReadSystemTime(std::int64_t& systemTime) override
    {
        std::array<unsigned char, TimeOfDaySize> record;
        if (!ReadRecord(TimeOfDayClass, record))
            return false;
        systemTime = Int64At(record, SystemTimeOffset);
        return true;
    }
    bool ReadIdleTime(std::int64_t& idleTime) override
    {
        std::array<unsigned char, PerformanceSize> record;
        if (!ReadRecord(PerformanceClass, record))
            return false;
        idleTime = Int64At(record, IdleTimeOffset);
        return true;
    }
};

CpuUsageCounterFactory& Factory()
{
    static CpuUsageCounterFactory factory;
    return factory;
}

} // namespace

// clsCPUUsage

clsCPUUsage::~clsCPUUsage()
{
    if (statData_)
        ::RegCloseKey(statData_);
}

void clsCPUUsage::ReadUsage(HKEY key)
{
    // A failed read leaves the last value in place.
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (::RegQueryValueExA(key, UsageValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
        size == sizeof value)
        lastValue_ = value;
}

void clsCPUUsage::Initialize()
{
    // Reading the start key is what starts the statistic.
    HKEY start = nullptr;
    if (::RegOpenKeyExA(root_, StartKey, 0, KEY_ALL_ACCESS, &start) != ERROR_SUCCESS)
        return;
    ReadUsage(start);
    ::RegCloseKey(start);
    if (::RegOpenKeyExA(root_, DataKey, 0, KEY_READ, &statData_) != ERROR_SUCCESS)
        statData_ = nullptr;
}

std::int32_t clsCPUUsage::Query()
{
    if (statData_)
        ReadUsage(statData_);
    return static_cast<std::int32_t>(lastValue_);
}

void clsCPUUsage::Terminate()
{
    if (statData_) {
        ::RegCloseKey(statData_);
        statData_ = nullptr;
    }
    // Reading the stop key ends the statistic.
    HKEY stop = nullptr;
    if (::RegOpenKeyExA(root_, StopKey, 0, KEY_ALL_ACCESS, &stop) != ERROR_SUCCESS)
        return;
    ReadUsage(stop);
    ::RegCloseKey(stop);
}

// clsCPUUsageNT

void clsCPUUsageNT::Initialize()
{
    SystemCounters counters;
    sampler_.Initialize(counters);
}

std::int32_t clsCPUUsageNT::Query()
{
    SystemCounters counters;
    return sampler_.Query(counters);
}

bool IsWindowsNT()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::unique_ptr<CPUUsageCounter> CreateCpuUsageCounter()
{
    if (Factory())
        return Factory()();
    if (IsWindowsNT())
        return std::make_unique<clsCPUUsageNT>();
    return std::make_unique<clsCPUUsage>();
}

void SetCpuUsageCounterFactory(CpuUsageCounterFactory factory)
{
    Factory() = std::move(factory);
}
