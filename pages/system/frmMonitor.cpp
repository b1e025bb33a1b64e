#include "pages/system/frmMonitor.h"

ui::FormRef<FrmMonitor> frmMonitor;

FrmMonitor::FrmMonitor() : Form(L"frmMonitor") {}

ui::FormStyle FrmMonitor::Style() const
{
    // Fixed tool window without minimise or maximise box and without a taskbar button.
    ui::FormStyle style;
    style.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    style.exStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;
    style.clientWidth = 5460;
    style.clientHeight = 1620;
    style.caption = L"CPU-Monitoring";
    style.ownedByApplication = true;
    return style;
}
