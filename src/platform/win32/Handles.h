// Move-only owners of GDI, USER and kernel handles, and the scoped guards that pair a Get with a Release.
#pragma once
#include <windows.h>
// After windows.h: CoTaskMemFree, which the lean windows.h leaves out.
#include <objbase.h>

#include <utility>

namespace plivant::platform::win32 {

template <typename Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;
    Unique() = default;
    explicit Unique(Handle h) : h_(h) {}
    Unique(Unique&& other) noexcept : h_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(other.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }

    Handle get() const { return h_; }
    Handle release() { return std::exchange(h_, Traits::Invalid()); }
    void reset(Handle h = Traits::Invalid()) {
        const Handle old = std::exchange(h_, h);
        if (old != Traits::Invalid()) Traits::Close(old);
    }
    explicit operator bool() const { return h_ != Traits::Invalid(); }

private:
    Handle h_ = Traits::Invalid();
};

template <typename H>
struct GdiTraits {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};

#define PLIVANT_HANDLE_TRAITS(Name, Type, CloseCall, InvalidValue) \
    struct Name {                                                  \
        using Handle = Type;                                       \
        static Handle Invalid() { return InvalidValue; }           \
        static void Close(Handle h) { CloseCall(h); }              \
    }
PLIVANT_HANDLE_TRAITS(IconTraits, HICON, DestroyIcon, nullptr);
PLIVANT_HANDLE_TRAITS(CursorTraits, HCURSOR, DestroyCursor, nullptr);
PLIVANT_HANDLE_TRAITS(WindowTraits, HWND, DestroyWindow, nullptr);
PLIVANT_HANDLE_TRAITS(MenuTraits, HMENU, DestroyMenu, nullptr);
PLIVANT_HANDLE_TRAITS(MemoryDcTraits, HDC, DeleteDC, nullptr);
PLIVANT_HANDLE_TRAITS(LocalTraits, HLOCAL, LocalFree, nullptr);
PLIVANT_HANDLE_TRAITS(KernelTraits, HANDLE, CloseHandle, nullptr);
PLIVANT_HANDLE_TRAITS(FindTraits, HANDLE, FindClose, INVALID_HANDLE_VALUE);
PLIVANT_HANDLE_TRAITS(RegKeyTraits, HKEY, RegCloseKey, nullptr);
PLIVANT_HANDLE_TRAITS(CoTaskMemTraits, void*, CoTaskMemFree, nullptr);
#undef PLIVANT_HANDLE_TRAITS

using UniqueBitmap = Unique<GdiTraits<HBITMAP>>;
using UniqueRegion = Unique<GdiTraits<HRGN>>;
using UniqueBrush = Unique<GdiTraits<HBRUSH>>;
using UniqueFont = Unique<GdiTraits<HFONT>>;
using UniquePen = Unique<GdiTraits<HPEN>>;
using UniqueIcon = Unique<IconTraits>;
using UniqueCursor = Unique<CursorTraits>;
using UniqueWindow = Unique<WindowTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;
using UniqueLocal = Unique<LocalTraits>;
using UniqueKernelHandle = Unique<KernelTraits>;
using UniqueFind = Unique<FindTraits>;
using UniqueRegKey = Unique<RegKeyTraits>;
using UniqueCoTaskMem = Unique<CoTaskMemTraits>;

// GetDC / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint; a failed BeginPaint has nothing to end.
class PaintGuard {
public:
    explicit PaintGuard(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
    ~PaintGuard() {
        if (dc_) EndPaint(window_, &paint_);
    }
    PaintGuard(const PaintGuard&) = delete;
    PaintGuard& operator=(const PaintGuard&) = delete;
    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// SelectObject, and back on leaving the scope.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace plivant::platform::win32
