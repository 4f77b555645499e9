// The About box, the level menu and the display settings dialog opened and closed many times: the GDI
// objects, user objects (menus, icons and cursors, windows) and heap blocks of the process stay where
// they were. Counted after a few openings that may fill caches, after a first batch and after the whole
// run: what grows only once shows in the first batch, while a leak of one object per opening grows the
// count by the length of the rest of the run, and fails. The counts go to the test output.
#include <windows.h>
#include <ddraw.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dialog_harness.h"
#include "level_menu_driver.h"
#include "quick_renderer.h"
#include "resource_counts.h"
#include "test_support.h"
#include "ui/about_dialog.h"
#include "ui/display_settings_dialog.h"

using resource_counts::Counts;

namespace {

long Change(size_t from, size_t to) {
    return static_cast<long>(to) - static_cast<long>(from);
}

// ---- The counters see what they count ----

TEST(ResourceCounters, SeeObjectsMadeAndDestroyedOnPurpose) {
    // The platform's own count, for the record: a stub here, answering 0.
    SetLastError(0);
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD gdiError = GetLastError();
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    std::printf("GetGuiResources answers GDI %lu (last error %lu), user %lu\n", gdi, gdiError, user);
    // A window that lives through the check: the thread's own helper windows come with the first one.
    HWND host = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(host, nullptr);

    // Each kind made and destroyed on its own: the count moves by exactly what was made.
    const BYTE bits[2 * 32 * 4] = {};
    const struct {
        const char* Name;
        size_t Counts::*Field;
        long Made;
        std::function<std::function<void()>()> Make; // makes the objects, gives what destroys them
    } kinds[] = {
        {"GDI objects", &Counts::Gdi, 5,
         [] {
             std::vector<HGDIOBJ> made = {CreateSolidBrush(RGB(1, 0, 0)), CreateSolidBrush(RGB(2, 0, 0)),
                                          CreatePen(PS_SOLID, 1, 0), CreateRectRgn(0, 0, 1, 1),
                                          CreateBitmap(1, 1, 1, 1, nullptr)};
             return std::function<void()>([made] {
                 for (HGDIOBJ object : made)
                     DeleteObject(object);
             });
         }},
        {"menus", &Counts::Menus, 2,
         [] {
             HMENU bar = CreateMenu(), popup = CreatePopupMenu();
             return std::function<void()>([bar, popup] {
                 DestroyMenu(bar);
                 DestroyMenu(popup);
             });
         }},
        {"icons and cursors", &Counts::Icons, 2,
         [&bits] {
             HICON icon = CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 1, bits, bits + 128);
             HCURSOR cursor = CreateCursor(GetModuleHandleA(nullptr), 0, 0, 32, 32, bits, bits + 128);
             return std::function<void()>([icon, cursor] {
                 DestroyIcon(icon);
                 DestroyCursor(cursor);
             });
         }},
        {"windows", &Counts::Windows, 3,
         [host] {
             HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
             CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 1, 1, window, nullptr, nullptr, nullptr);
             HWND messageOnly =
                 CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
             return std::function<void()>([window, messageOnly] {
                 DestroyWindow(window);
                 DestroyWindow(messageOnly);
             });
         }},
        {"heap blocks", &Counts::HeapBlocks, 2,
         [] {
             void* first = HeapAlloc(GetProcessHeap(), 0, 16);
             void* second = HeapAlloc(GetProcessHeap(), 0, 16);
             return std::function<void()>([first, second] {
                 HeapFree(GetProcessHeap(), 0, first);
                 HeapFree(GetProcessHeap(), 0, second);
             });
         }},
    };
    for (const auto& kind : kinds) {
        // Once beforehand, so what the platform sets up on first use is in place.
        kind.Make()();
        const Counts before = resource_counts::Take();
        const std::function<void()> destroy = kind.Make();
        const Counts made = resource_counts::Take();
        destroy();
        const Counts after = resource_counts::Take();
        std::printf("%-17s before: %s\n%-17s made:   %s\n%-17s after:  %s\n", kind.Name,
                    resource_counts::Describe(before).c_str(), "", resource_counts::Describe(made).c_str(),
                    "", resource_counts::Describe(after).c_str());
        EXPECT_EQ(Change(before.*kind.Field, made.*kind.Field), kind.Made) << kind.Name;
        EXPECT_EQ(after.*kind.Field, before.*kind.Field) << kind.Name;
    }
    DestroyWindow(host);
}

// ---- Many openings ----

struct Openings {
    Counts Start, AfterFirst, AfterAll;
    int First = 0, Total = 0;
    double LaterMs = 0; // the openings after the first batch, all together
};

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

// Opens `warmUp` times, counts, opens `first` times, counts, opens up to `total` times, counts.
Openings OpenMany(int warmUp, int first, int total, const std::function<void(int)>& open) {
    Openings run;
    run.First = first;
    run.Total = total;
    for (int i = 0; i < warmUp; ++i)
        open(i);
    run.Start = resource_counts::Take();
    for (int i = 0; i < first; ++i)
        open(i);
    run.AfterFirst = resource_counts::Take();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = first; i < total; ++i)
        open(i);
    run.LaterMs = MillisecondsSince(start);
    run.AfterAll = resource_counts::Take();
    return run;
}

// After the first batch nothing may grow with the number of openings. A per-opening leak of one object
// grows its count by at least `later` (the rest of the run); a tenth of that is allowed for what the
// platform sets up late. `platformHeap`: heap blocks that the platform's own calls keep over the same
// number of openings, made without the launcher's code.
void ExpectFlat(const char* what, const Openings& run, long platformHeap = 0) {
    const long later = run.Total - run.First;
    std::printf("%s: %.1f ms per opening\n", what, run.LaterMs / later);
    std::printf("%s, %d openings:\n  at the start:          %s\n  after %3d openings:    %s\n"
                "  after %3d openings:    %s\n",
                what, run.Total, resource_counts::Describe(run.Start).c_str(), run.First,
                resource_counts::Describe(run.AfterFirst).c_str(), run.Total,
                resource_counts::Describe(run.AfterAll).c_str());
    if (platformHeap)
        std::printf("  the platform's own calls alone keep %ld heap blocks over %ld openings\n", platformHeap,
                    later);
    const long allowed = later / 10;
    const struct {
        const char* Name;
        size_t Counts::*Field;
        long Platform;
    } kinds[] = {
        {"GDI objects", &Counts::Gdi, 0},
        {"menus", &Counts::Menus, 0},
        {"icons and cursors", &Counts::Icons, 0},
        {"windows", &Counts::Windows, 0},
        {"heap blocks", &Counts::HeapBlocks, platformHeap},
    };
    for (const auto& kind : kinds) {
        const long growth = Change(run.AfterFirst.*kind.Field, run.AfterAll.*kind.Field) - kind.Platform;
        EXPECT_LE(growth, allowed) << what << ": " << kind.Name << " grew by " << growth << " over the last "
                                   << later << " openings";
    }
}

TEST(ResourceLeaks, AboutBoxOpenedManyTimes) {
    test_support::Watchdog watchdog(60000, "200 openings of the About box");
    const Openings run = OpenMany(5, 20, 200, [](int i) {
        AboutDialog about(nullptr);
        RunModally(about, [i](AboutDialog& open) {
            // Painted whole, the link hovered (capture, hand, repainted in its hover colour) and focused;
            // every other time the pointer leaves it again before the box closes.
            RedrawWindow(open.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            HWND link = open.Item(SKV_ID_LOGO);
            SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
            EXPECT_EQ(GetCapture(), link);
            if (i % 2)
                SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(1000, 1000));
            open.FocusControl(link);
            UpdateWindow(link);
        });
        EXPECT_EQ(GetCapture(), nullptr);
    });
    ExpectFlat("About box", run);
}

using ResourceLeaksInMainDialog = FreshMainDialog;

TEST_F(ResourceLeaksInMainDialog, LevelMenuOpenedManyTimes) {
    test_support::Watchdog watchdog(60000, "200 openings of the level menu");
    RunDialog([](LauncherDialog& dialog) {
        int shown = 0;
        // Closed with Esc, or a level picked ("Grax", its third item), so the mark moves between showings.
        const Openings run = OpenMany(5, 20, 200, [&](int i) {
            using namespace level_menu_driver;
            shown += OpenLevelMenu(dialog, i % 2 ? Pick(1, 2) : EscapeKey).Shown;
        });
        EXPECT_EQ(shown, 5 + 200) << "the menu did not show every time";
        EXPECT_EQ(dialog.LevelCommand, 32773u);
        ExpectFlat("Level menu", run);
    });
}

// ---- The display settings dialog ----

BOOL WINAPI CountDevice(GUID*, LPSTR, LPSTR, LPVOID context) {
    ++*static_cast<int*>(context);
    return TRUE;
}

HRESULT WINAPI CountMode(LPDDSURFACEDESC2, LPVOID context) {
    ++*static_cast<int*>(context);
    return DDENUMRET_OK;
}

// The platform's part of one opening, without the launcher: the devices enumerated, the first device
// opened, asked for its newer interface and its modes, and released.
void PlatformCallsOfOneOpening() {
    int devices = 0, modes = 0;
    DirectDrawEnumerateA(&CountDevice, &devices);
    GUID first{};
    IDirectDraw* draw = nullptr;
    if (DirectDrawCreate(&first, &draw, nullptr) != DD_OK || !draw)
        return;
    IDirectDraw4* draw4 = nullptr;
    draw->QueryInterface(IID_IDirectDraw4, reinterpret_cast<void**>(&draw4));
    draw->Release();
    if (!draw4)
        return;
    draw4->EnumDisplayModes(0, nullptr, &modes, &CountMode);
    draw4->Release();
}

TEST(ResourceLeaks, DisplayDialogOpenedManyTimes) {
    SKV_RUN_ON_QUICK_RENDERER();
    test_support::Watchdog watchdog(100000, "the openings of the display settings dialog");
    test_support::ScratchGameFolder folder("display-leaks");
    // Listing the devices and opening one costs the platform most of an opening's tenth of a second or
    // more: fewer openings than for the other windows.
    constexpr int WarmUp = 2, First = 5, Total = 30;
    const Openings run = OpenMany(WarmUp, First, Total, [](int) {
        DisplaySettingsDialog dialog(nullptr);
        RunModally(dialog, [](DisplaySettingsDialog& open) {
            RedrawWindow(open.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        });
        ASSERT_EQ(LiveDisplayListBlocks(), 0u);
    });
    // Under Wine the platform keeps one heap block for every device it lists modes of.
    for (int i = 0; i < WarmUp; ++i)
        PlatformCallsOfOneOpening();
    const size_t platformBefore = resource_counts::BusyHeapBlocks();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = First; i < Total; ++i)
        PlatformCallsOfOneOpening();
    const double platformMs = MillisecondsSince(start);
    const long platformHeap = Change(platformBefore, resource_counts::BusyHeapBlocks());
    std::printf("the platform's DirectDraw calls of one opening alone: %.1f ms\n",
                platformMs / (Total - First));
    ExpectFlat("Display settings dialog", run, platformHeap);
}

} // namespace
