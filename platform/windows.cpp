// SPDX-License-Identifier: MIT
// The program on Windows, beside GLUT; its icon, version and manifest are resources
// (data/windows/).
// [X] Opens on one monitor's work area, the taskbar left free, scaled for the system's DPI,
//     which the manifest declares the program handles itself.
// [X] A DISPLAY variable (X servers for WSL set one) is not taken for a display device.
// [ ] A window moved to a monitor of another DPI keeps its size in pixels.
// [ ] A window destroyed by another program is not told from one closed; menus close only on a
//     press in the program's own windows.
#include "platform/platform.h"

#include <cstdlib>
#include <windows.h>

namespace {

// Each monitor's work area, the primary one first.
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM monitors)
{
    MONITORINFO info {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        auto& list = *reinterpret_cast<std::vector<screen_area>*>(monitors);
        const RECT& work = info.rcWork;
        const screen_area area { work.left, work.top, work.right - work.left,
            work.bottom - work.top };
        list.insert((info.dwFlags & MONITORINFOF_PRIMARY) ? list.begin() : list.end(), area);
    }
    return TRUE;
}

// 96 dots per inch is 100 %; a DPI-aware program is told the real figure.
double systemScale()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 96 ? dpi / 96.0 : 1;
}

} // namespace

bool displayUsable(int, char**, display_layout& layout)
{
    // freeglut hands DISPLAY to CreateDC as a display device's name; on Windows it never is one.
    _putenv("DISPLAY=");
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&layout.monitors));
    layout.scale = systemScale();
    return true;
}
