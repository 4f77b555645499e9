// Counts of what this process holds of the window system and of its heaps, for tests that open a dialog
// many times and must see every object given back.
//
// GetGuiResources answers 0 here for every question, so the objects are counted one by one:
// - GDI objects: every slot of the process's GDI handle table asked for its object type. A handle made
//   of the slot number alone (upper word zero) names whatever object lives in that slot now.
// - Menus, cursors and icons: the same for the slots of the user handle table (handles 0x20, 0x22, ...),
//   asked as a menu and as an icon or cursor.
// - Windows: every window of this process, top-level, message-only and child.
// - Heap blocks: the busy blocks of every heap of the process.
// Each counter is checked against objects made and destroyed on purpose (see resource_leak_test.cpp).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <string>

namespace resource_counts {

struct Counts {
    size_t Gdi = 0;     // pens, brushes, fonts, bitmaps, regions, palettes, DCs
    size_t Menus = 0;   // menus and popups
    size_t Icons = 0;   // icons and cursors
    size_t Windows = 0; // windows of this process
    size_t HeapBlocks = 0;

    size_t User() const { return Menus + Icons + Windows; }
};

inline size_t GdiObjects() {
    size_t live = 0;
    for (UINT_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0)
            ++live;
    return live;
}

// User handles are 0x20 plus twice the slot number.
inline void MenusAndIcons(size_t& menus, size_t& icons) {
    menus = icons = 0;
    for (UINT_PTR handle = 0x20; handle < 0xFFF0; handle += 2) {
        if (IsMenu(reinterpret_cast<HMENU>(handle))) {
            ++menus;
            continue;
        }
        ICONINFO info{};
        if (GetIconInfo(reinterpret_cast<HICON>(handle), &info)) {
            ++icons;
            // The answer hands out copies of the icon's bitmaps; they go at once.
            if (info.hbmMask)
                DeleteObject(info.hbmMask);
            if (info.hbmColor)
                DeleteObject(info.hbmColor);
        }
    }
}

namespace detail {
inline BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<size_t*>(count);
    return TRUE;
}
inline BOOL CALLBACK CountOwnTree(HWND window, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId())
        return TRUE;
    ++*reinterpret_cast<size_t*>(count);
    EnumChildWindows(window, &CountChild, count); // all descendants
    return TRUE;
}
} // namespace detail

inline size_t OwnWindows() {
    size_t count = 0;
    EnumWindows(&detail::CountOwnTree, reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr))
        detail::CountOwnTree(window, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Busy blocks in every heap of the process: the platform's allocations as well as the launcher's.
inline size_t BusyHeapBlocks() {
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    size_t busy = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        PROCESS_HEAP_ENTRY entry{};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                ++busy;
        HeapUnlock(heaps[i]);
    }
    return busy;
}

inline Counts Take() {
    Counts counts;
    counts.Gdi = GdiObjects();
    MenusAndIcons(counts.Menus, counts.Icons);
    counts.Windows = OwnWindows();
    counts.HeapBlocks = BusyHeapBlocks(); // last: the counters above allocate nothing that stays
    return counts;
}

inline std::string Describe(const Counts& counts) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "GDI %zu, user %zu (menus %zu, icons/cursors %zu, windows %zu), heap %zu", counts.Gdi,
                  counts.User(), counts.Menus, counts.Icons, counts.Windows, counts.HeapBlocks);
    return text;
}

} // namespace resource_counts
