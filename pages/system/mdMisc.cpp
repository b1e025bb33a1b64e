#include "pages/system/mdMisc.h"

#include "shell/Artwork.h"
#include "ui/Effects.h"
#include "ui/win/Painting.h"

#include <array>
#include <utility>

cpu::LoadHistory CpuHistory;

namespace {

constexpr UINT SamplingInterval = 500;  // ms

void DrawGauge(HDC dc, std::int32_t usage)
{
    for (int bar = 0; bar < cpu::GaugeBars; ++bar) {
        // Two pixels high, from (5, 3 bar + 5) to (55, 3 bar + 6) inclusive.
        const RECT rect{5, 3 * bar + 5, 56, 3 * bar + 7};
        win::FillSolid(dc, rect, cpu::BarLit(usage, bar) ? GaugeLit : GaugeDark);
    }
}

void DrawHistory(HDC dc, const RECT& client, const cpu::LoadHistory& history)
{
    std::array<POINT, cpu::LoadHistory::Length> points;
    for (int k = 0; k < cpu::LoadHistory::Length; ++k) {
        const cpu::GraphPoint point = cpu::GraphPointOf(k, history[k], client.right, client.bottom);
        points[static_cast<std::size_t>(k)] = {point.x, point.y};
    }
    win::SelectedObject pen(dc, ::GetStockObject(DC_PEN));
    ::SetDCPenColor(dc, GaugeLit);
    ::Polyline(dc, points.data(), static_cast<int>(points.size()));
}

} // namespace

void DrawCpuUsage(std::int32_t usage, ui::PictureBox& gauge, ui::PictureBox& graph)
{
    gauge.SetDrawing([usage](HDC dc, const RECT&) { DrawGauge(dc, usage); });
    CpuHistory.Append(usage);
    // The graph keeps what it was drawn with, until this page's next tick.
    graph.SetDrawing([history = CpuHistory](HDC dc, const RECT& client) { DrawHistory(dc, client, history); });
}

void PrepareCpuDisplay(ui::PictureBox& gauge, ui::Label& usageLabel, ui::PictureBox& graph)
{
    gauge.SetBackColor(RGB(0, 0, 0));
    usageLabel.SetFont({L"Arial", 8.25, true});
    usageLabel.SetForeColor(GaugeLit);
    usageLabel.SetAlignment(ui::Alignment::Centre);
    usageLabel.SetTransparent(true);
    graph.SetBackColor(RGB(0, 0, 0));
    // The grid covers the whole box, whatever its size on this page.
    RECT box;
    ::GetClientRect(graph.Hwnd(), &box);
    graph.SetPicture(art::Get(art::ImageId::CpuGraphGrid, {box.right, box.bottom}));
}

CpuSampling::CpuSampling(Display display, std::wstring failureText, UINT failureStyle)
    : display_(display), failureText_(std::move(failureText)), failureStyle_(failureStyle)
{
}

void CpuSampling::Start()
{
    // The samples come on time even while other programs keep the processor busy.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    ::SetPriorityClass(::GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    counter_ = CreateCpuUsageCounter();
    counter_->Initialize();
    display_.timer.onTimer = [this] { Tick(); };
    display_.timer.SetInterval(SamplingInterval);
    display_.timer.SetEnabled(true);
    Tick();
}

void CpuSampling::Tick()
{
    if (!counter_)
        return;
    const std::int32_t usage = counter_->Query();
    if (usage != cpu::NtLoadSampler::Failed) {
        DrawCpuUsage(usage, display_.gauge, display_.graph);
        display_.usageLabel.SetCaption(std::to_wstring(usage) + L"%");
        return;
    }
    display_.timer.SetEnabled(false);
    display_.usageLabel.SetCaption(L":(");
    MsgBox(failureText_, failureStyle_);
}

void CpuSampling::Stop()
{
    display_.timer.SetEnabled(false);
    if (counter_) {
        counter_->Terminate();
        counter_.reset();
    }
}
