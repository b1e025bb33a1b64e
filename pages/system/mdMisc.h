#pragma once
// What the two CPU pages share: the one load history of the run, its drawing,
// and the way a page samples the load on its timer.
#include "pages/system/CpuUsage.h"
#include "pages/system/core/CpuLoad.h"
#include "ui/Controls.h"

#include <memory>
#include <string>

// Fed by both CPU pages, in the order of their ticks; never reset.
extern cpu::LoadHistory CpuHistory;

constexpr COLORREF GaugeLit = RGB(0, 255, 0);
constexpr COLORREF GaugeDark = RGB(0, 64, 0);

// Draws the gauge for the load, appends it to the history and draws the history.
void DrawCpuUsage(std::int32_t usage, ui::PictureBox& gauge, ui::PictureBox& graph);

// Sets up a gauge box with its load label and a graph box the way both pages show them.
void PrepareCpuDisplay(ui::PictureBox& gauge, ui::Label& usageLabel, ui::PictureBox& graph);

// A page's sampling: its own sampler, read on its timer and drawn on its boxes.
// A failed reading stops the timer for good and shows the page's message once.
class CpuSampling {
public:
    struct Display {
        ui::Timer& timer;
        ui::PictureBox& gauge;
        ui::Label& usageLabel;
        ui::PictureBox& graph;
    };
    CpuSampling(Display display, std::wstring failureText, UINT failureStyle);

    // Raises the priorities, starts a new sampler and the timer, and draws the first sample.
    void Start();
    void Tick();
    // Stops the timer and ends the sampler.
    void Stop();

private:
    Display display_;
    std::wstring failureText_;
    UINT failureStyle_;
    std::unique_ptr<CPUUsageCounter> counter_;
};
