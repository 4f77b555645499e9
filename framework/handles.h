// Owners for Win32 handles: each closes, deletes or releases its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

// Moves ownership like std::unique_ptr; Traits gives the empty value and how to close.
template <typename Traits> class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Empty(); }
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }
    void Reset(Handle handle = Traits::Empty()) {
        if (handle_ != Traits::Empty())
            Traits::Close(handle_);
        handle_ = handle;
    }
    // For APIs that return a handle through an out parameter; the old handle is closed first.
    Handle* Receive() {
        Reset();
        return &handle_;
    }

  private:
    Handle handle_ = Traits::Empty();
};

struct RegistryKeyTraits {
    using Handle = HKEY;
    static HKEY Empty() { return nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};
using RegistryKey = UniqueHandle<RegistryKeyTraits>;

struct FileHandleTraits {
    using Handle = HANDLE;
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE file) { CloseHandle(file); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

struct MenuTraits {
    using Handle = HMENU;
    static HMENU Empty() { return nullptr; }
    static void Close(HMENU menu) { DestroyMenu(menu); }
};
using MenuHandle = UniqueHandle<MenuTraits>;

template <typename GdiHandle> struct GdiObjectTraits {
    using Handle = GdiHandle;
    static GdiHandle Empty() { return nullptr; }
    static void Close(GdiHandle object) { DeleteObject(object); }
};
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;

// Icons made by LoadImage or CreateIconIndirect (not shared ones, which the system keeps).
struct IconTraits {
    using Handle = HICON;
    static HICON Empty() { return nullptr; }
    static void Close(HICON icon) { DestroyIcon(icon); }
};
using IconHandle = UniqueHandle<IconTraits>;

// Kernel objects whose failure value is null, such as processes.
struct KernelObjectTraits {
    using Handle = HANDLE;
    static HANDLE Empty() { return nullptr; }
    static void Close(HANDLE object) { CloseHandle(object); }
};
using KernelHandle = UniqueHandle<KernelObjectTraits>;

// A view of a file mapping from MapViewOfFile.
struct MappedViewTraits {
    using Handle = void*;
    static void* Empty() { return nullptr; }
    static void Close(void* view) { UnmapViewOfFile(view); }
};
using MappedView = UniqueHandle<MappedViewTraits>;

// A COM interface pointer, released once.
template <typename Interface> struct ComInterfaceTraits {
    using Handle = Interface*;
    static Interface* Empty() { return nullptr; }
    static void Close(Interface* object) { object->Release(); }
};
template <typename Interface> using ComPointer = UniqueHandle<ComInterfaceTraits<Interface>>;

// A window's device context from GetDC, released on scope exit.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects a GDI object into a device context and puts the previous one back on scope exit.
class GdiSelection {
  public:
    GdiSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    GdiSelection(const GdiSelection&) = delete;
    GdiSelection& operator=(const GdiSelection&) = delete;
    ~GdiSelection() {
        if (previous_)
            SelectObject(dc_, previous_);
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};
