// Move-only owners of GDI, USER and kernel handles, and the scoped guards that pair a Get with a Release.
#pragma once
#include <windows.h>
// After windows.h: CoTaskMemFree, which the lean windows.h leaves out.
#include <objbase.h>

#include <utility>

namespace plivant::platform::win32 {

// What the system counts a handle as: a GDI object, a USER object, or another (kernel, registry, memory).
enum class HandleKind { Gdi, User, Other };

#ifdef PLIVANT_TEST_BUILD
// The test builds count what the wrappers hold, by kind, how many they were given, and the closes the system refused
// (a handle closed twice, or one it had destroyed itself): the tests check that opening and closing a window leaves
// nothing behind and that painting makes nothing. (Wine answers GetGuiResources with 0.) The shipped program is built
// without the counts.
struct HandleCounts {
    long live[3] = {};
    long made[3] = {};
    long refusedCloses = 0;
};
inline HandleCounts& Counts() {
    static HandleCounts counts;
    return counts;
}
#endif

template <typename Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;
    Unique() = default;
    explicit Unique(Handle h) : h_(h) { Took(h); }
    Unique(Unique&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    Unique& operator=(Unique&& other) noexcept {
        const Handle h = std::exchange(other.h_, Traits::Invalid());
        Close();
        h_ = h;
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { Close(); }

    Handle get() const { return h_; }
    Handle release() {
        Let(h_);
        return std::exchange(h_, Traits::Invalid());
    }
    void reset(Handle h = Traits::Invalid()) {
        Close();
        h_ = h;
        Took(h);
    }
    explicit operator bool() const { return h_ != Traits::Invalid(); }

private:
    void Close() {
        const Handle old = std::exchange(h_, Traits::Invalid());
        if (old == Traits::Invalid()) return;
        Let(old);
        [[maybe_unused]] const bool closed = Traits::Close(old);
#ifdef PLIVANT_TEST_BUILD
        if (!closed) ++Counts().refusedCloses;
#endif
    }
    static void Took([[maybe_unused]] Handle h) {
#ifdef PLIVANT_TEST_BUILD
        if (h == Traits::Invalid()) return;
        ++Counts().live[static_cast<int>(Traits::kKind)];
        ++Counts().made[static_cast<int>(Traits::kKind)];
#endif
    }
    static void Let([[maybe_unused]] Handle h) {
#ifdef PLIVANT_TEST_BUILD
        if (h != Traits::Invalid()) --Counts().live[static_cast<int>(Traits::kKind)];
#endif
    }

    Handle h_ = Traits::Invalid();
};

template <typename H>
struct GdiTraits {
    using Handle = H;
    static constexpr HandleKind kKind = HandleKind::Gdi;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DeleteObject(h) != FALSE; }
};

// Close is the call that lets go of the handle, and what tells that it did.
#define PLIVANT_HANDLE_TRAITS(Name, Type, Kind, InvalidValue, Closed) \
    struct Name {                                                     \
        using Handle = Type;                                          \
        static constexpr HandleKind kKind = HandleKind::Kind;         \
        static Handle Invalid() { return InvalidValue; }              \
        static bool Close(Handle h) { return Closed; }                \
    }
PLIVANT_HANDLE_TRAITS(IconTraits, HICON, User, nullptr, DestroyIcon(h) != FALSE);
PLIVANT_HANDLE_TRAITS(CursorTraits, HCURSOR, User, nullptr, DestroyCursor(h) != FALSE);
PLIVANT_HANDLE_TRAITS(WindowTraits, HWND, User, nullptr, DestroyWindow(h) != FALSE);
PLIVANT_HANDLE_TRAITS(MenuTraits, HMENU, User, nullptr, DestroyMenu(h) != FALSE);
PLIVANT_HANDLE_TRAITS(MemoryDcTraits, HDC, Gdi, nullptr, DeleteDC(h) != FALSE);
PLIVANT_HANDLE_TRAITS(LocalTraits, HLOCAL, Other, nullptr, LocalFree(h) == nullptr);
PLIVANT_HANDLE_TRAITS(KernelTraits, HANDLE, Other, nullptr, CloseHandle(h) != FALSE);
PLIVANT_HANDLE_TRAITS(FindTraits, HANDLE, Other, INVALID_HANDLE_VALUE, FindClose(h) != FALSE);
PLIVANT_HANDLE_TRAITS(RegKeyTraits, HKEY, Other, nullptr, RegCloseKey(h) == ERROR_SUCCESS);
PLIVANT_HANDLE_TRAITS(CoTaskMemTraits, void*, Other, nullptr, (CoTaskMemFree(h), true));
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
