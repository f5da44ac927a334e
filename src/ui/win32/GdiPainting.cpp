// Painting on real windows through GDI: colours, fonts, a control's look with its windowless children, the
// pointers of the controls, and the bitmaps shared with the system.
#include "ui/win32/GdiPainting.h"

#include <cmath>
#include <cstring>
#include <forward_list>
#include <map>
#include <tuple>
#include <vector>

#include "ui/win32/Win32Toolkit.h"

namespace plivant::ui::win32 {

using platform::win32::SelectGuard;
using platform::win32::UniqueBitmap;
using platform::win32::UniqueCursor;
using platform::win32::UniqueFont;

namespace {

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(const std::string& name) {
    static std::map<std::string, bool> known;
    auto it = known.find(name);
    if (it == known.end()) {
        LOGFONTA wanted{};
        wanted.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(wanted.lfFaceName, name.c_str(), LF_FACESIZE);
        bool found = false;
        EnumFontFamiliesExA(MeasuringDc(), &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
        it = known.emplace(name, found).first;
    }
    return it->second;
}

// A face the system lacks is replaced by Tahoma, the face of the era's window captions, rather than by whatever
// the font mapper picks (Wine picks a raster face that cannot be bold). Windows' MS Sans Serif, the boxes' and lists'
// face, is a raster face without Chinese or Japanese letters: its TrueType successor of the same design, Microsoft
// Sans Serif, draws them, through the CJK faces the system links it to (SystemLink). Wine's own MS Sans Serif is a
// TrueType face already, which its prefix can link.
const char* InstalledFace(const std::string& name) {
    static const std::string kSuccessor = "Microsoft Sans Serif";
    if (name == "MS Sans Serif" && Installed(kSuccessor)) return kSuccessor.c_str();
    return Installed(name) ? name.c_str() : "Tahoma";
}

BITMAPINFO DibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

LPCSTR StandardCursor(MousePointer pointer) {
    switch (pointer) {
        case MousePointer::Arrow:
            return IDC_ARROW;
        case MousePointer::Cross:
            return IDC_CROSS;
        case MousePointer::IBeam:
            return IDC_IBEAM;
        case MousePointer::SizeNESW:
            return IDC_SIZENESW;
        case MousePointer::SizeNS:
            return IDC_SIZENS;
        case MousePointer::SizeNWSE:
            return IDC_SIZENWSE;
        case MousePointer::SizeWE:
            return IDC_SIZEWE;
        case MousePointer::UpArrow:
            return IDC_UPARROW;
        case MousePointer::Hourglass:
            return IDC_WAIT;
        case MousePointer::NoDrop:
            return IDC_NO;
        default:
            return nullptr;
    }
}

// Custom pointers are made once per image and kept for the program's life: a cursor in use must not go.
HCURSOR CustomCursor(const CursorImage& image) {
    static std::vector<std::pair<CursorImage, UniqueCursor>> made;
    for (const auto& [known, cursor] : made) {
        if (known == image) return cursor.get();
    }
    made.emplace_back(image, UniqueCursor(MakeIcon(image, true)));
    return made.back().second.get();
}

// The windowless children of a control, drawn with the control's client origin at (dx, dy).
void PaintWindowlessChildren(HDC dc, const Control& control, int dx, int dy, const Control* skip) {
    for (const Control* child : control.Children()) {
        if (child == skip || !child->Windowless() || !child->Visible()) continue;
        RECT r = RectOf(child->PixelBounds());
        OffsetRect(&r, dx, dy);
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        PaintOne(dc, child->Look(), r, child->Dpi());
        RestoreDC(dc, saved);
    }
}

}  // namespace

HICON MakeIcon(const CursorImage& image, bool cursor) {
    const int w = image.colour.Width(), h = image.colour.Height();
    const int stride = ((w + 15) / 16) * 2;
    std::vector<uint8_t> mask(static_cast<size_t>(stride * h), 0);
    Bitmap colour = image.colour;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y * w + x);
            if (i < image.transparent.size() && image.transparent[i]) {
                mask[static_cast<size_t>(y * stride + x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
                colour.Set(x, y, 0);
            }
        }
    }
    UniqueBitmap maskBitmap(CreateBitmap(w, h, 1, 1, mask.data()));
    UniqueBitmap colourBitmap(MakeBitmap(colour));
    ICONINFO info{cursor ? FALSE : TRUE, static_cast<DWORD>(image.hotX), static_cast<DWORD>(image.hotY),
                  maskBitmap.get(), colourBitmap.get()};
    return CreateIconIndirect(&info);
}

COLORREF ColourOf(OleColor c) {
    return IsSystemColour(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : (c & 0xFFFFFF);
}

void DrawPicture(HDC dc, const Bitmap& picture, const RECT& area, bool stretch) {
    // 0x00RRGGBB in memory is the DIB's blue, green, red, unused byte order.
    const BITMAPINFO info = DibInfo(picture.Width(), picture.Height());
    const int width = stretch ? area.right - area.left : picture.Width();
    const int height = stretch ? area.bottom - area.top : picture.Height();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, area.left, area.top, width, height, 0, 0, picture.Width(), picture.Height(),
                  picture.Pixels().data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

HDC MeasuringDc() {
    static const platform::win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    return dc.get();
}

HFONT FontFor(const Font& font, int dpi) {
    // Kept for the program's life: the windows use a few, the same ones in every window, paint and measure, and each
    // made afresh would cost the system a font to find and a screen to ask for its DPI.
    static std::forward_list<std::tuple<Font, int, UniqueFont>> made;
    if (!dpi) dpi = GetDeviceCaps(MeasuringDc(), LOGPIXELSY);
    for (const auto& [known, knownDpi, handle] : made) {
        if (known == font && knownDpi == dpi) return handle.get();
    }
    const int height = -MulDiv(static_cast<int>(std::lround(font.size * 100)), dpi, 7200);
    UniqueFont handle(CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline,
                                  font.strikethrough, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, InstalledFace(font.name)));
    return std::get<2>(made.emplace_front(font, dpi, std::move(handle))).get();
}

int DrawProcessText(HDC dc, const std::string& text, RECT* area, UINT format) {
    std::u16string wide(text.size(), u'\0');
    wide.resize(
        static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                reinterpret_cast<LPWSTR>(wide.data()), static_cast<int>(wide.size()))));
    return DrawTextW(dc, reinterpret_cast<LPCWSTR>(wide.data()), static_cast<int>(wide.size()), area, format);
}

void PaintOne(HDC dc, const ViewLook& look, const RECT& area, int dpi) {
    if (look.opaque) {
        // The device context's own brush, in the colour: no brush is made.
        SetDCBrushColor(dc, ColourOf(look.back));
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    if (!look.picture.Empty()) DrawPicture(dc, look.picture, area, look.stretch);
    if (!look.text.empty()) {
        SelectGuard selected(dc, FontFor(look.font, dpi));
        SetTextColor(dc, ColourOf(look.fore));
        SetBkMode(dc, TRANSPARENT);
        UINT format = look.alignment == TextAlignment::Right    ? DT_RIGHT
                      : look.alignment == TextAlignment::Center ? DT_CENTER
                                                                : DT_LEFT;
        format |= look.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
        RECT text = area;
        DrawProcessText(dc, look.text, &text, format);
    }
    if (look.border != ControlBorderStyle::None) {
        RECT edge = area;
        if (look.etched || look.threeD) {
            DrawEdge(dc, &edge, look.etched ? EDGE_ETCHED : EDGE_SUNKEN, BF_RECT);
        } else {
            FrameRect(dc, &edge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    }
}

namespace {
// The few calls of the theme library that a button's face needs, found when first asked for.
struct ThemeCalls {
    using Open = HANDLE(WINAPI*)(HWND, LPCWSTR);
    using Close = HRESULT(WINAPI*)(HANDLE);
    using Draw = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
    using Content = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, RECT*);
    Open open = nullptr;
    Close close = nullptr;
    Draw draw = nullptr;
    Content content = nullptr;
};

// A function of a library found by name (cast through the generic function type, which any function type may be).
template <typename Function>
Function Find(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

const ThemeCalls& Themes() {
    static const ThemeCalls calls = [] {
        ThemeCalls found;
        // From the system folder by its full path: a file of that name in the program's folder is never loaded.
        char path[MAX_PATH];
        const UINT n = GetSystemDirectoryA(path, MAX_PATH);
        HMODULE library =
            n && n + sizeof "\\uxtheme.dll" <= MAX_PATH ? LoadLibraryA(lstrcatA(path, "\\uxtheme.dll")) : nullptr;
        if (library) {
            found.open = Find<ThemeCalls::Open>(library, "OpenThemeData");
            found.close = Find<ThemeCalls::Close>(library, "CloseThemeData");
            found.draw = Find<ThemeCalls::Draw>(library, "DrawThemeBackground");
            found.content = Find<ThemeCalls::Content>(library, "GetThemeBackgroundContentRect");
        }
        if (!found.open || !found.close || !found.draw || !found.content) found = ThemeCalls{};
        return found;
    }();
    return calls;
}

// The theme's part and states of a push button.
constexpr int kPushButtonPart = 1, kNormal = 1, kHot = 2, kPressed = 3, kDisabled = 4;
}  // namespace

RECT DrawPushButtonFace(HWND button, HDC dc, const RECT& area, bool pushed, bool disabled, bool hot) {
    const ThemeCalls& themes = Themes();
    if (HANDLE theme = themes.open ? themes.open(button, L"BUTTON") : nullptr) {
        const int state = disabled ? kDisabled : pushed ? kPressed : hot ? kHot : kNormal;
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        themes.draw(theme, dc, kPushButtonPart, state, &area, nullptr);
        RECT inside = area;
        themes.content(theme, dc, kPushButtonPart, state, &area, &inside);
        themes.close(theme);
        return inside;
    }
    RECT edges = area;
    DrawFrameControl(dc, &edges, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    RECT inside = area;
    InflateRect(&inside, -2, -2);
    return inside;
}

RECT RectOf(const platform::Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

bool ApplyCursor(const Control& target) {
    const MousePointer pointer = target.GetMousePointer();
    if (pointer == MousePointer::Custom && !target.MouseIcon().Empty()) {
        SetCursor(CustomCursor(target.MouseIcon()));
        return true;
    }
    if (LPCSTR id = StandardCursor(pointer)) {
        SetCursor(LoadCursorA(nullptr, id));
        return true;
    }
    return false;
}

void PaintLook(HDC dc, const Control& control, int width, int height) {
    const ViewLook look = control.Look();
    PaintOne(dc, look, RECT{0, 0, width, height}, control.Dpi());
    if (look.showsContainer && control.Parent()) {
        const platform::Rect at = control.PixelBounds();
        PaintWindowlessChildren(dc, *control.Parent(), -at.left, -at.top, &control);
    }
    PaintWindowlessChildren(dc, control, 0, 0, nullptr);
}

HBITMAP MakeBitmap(const Bitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    const BITMAPINFO info = DibInfo(bitmap.Width(), bitmap.Height());
    void* bits = nullptr;
    HBITMAP made = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (made && bits) std::memcpy(bits, bitmap.Pixels().data(), bitmap.Pixels().size() * sizeof(Rgb));
    return made;
}

Bitmap ReadBitmap(HDC dc, int width, int height, int left, int top) {
    Bitmap result(width, height);
    platform::win32::UniqueMemoryDc memory(CreateCompatibleDC(dc));
    UniqueBitmap target(MakeBitmap(result));
    if (!memory || !target) return {};
    {
        SelectGuard selected(memory.get(), target.get());
        BitBlt(memory.get(), 0, 0, width, height, dc, left, top, SRCCOPY);
    }
    BITMAPINFO info = DibInfo(width, height);
    std::vector<Rgb> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    GetDIBits(memory.get(), target.get(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) result.Set(x, y, pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF);
    }
    return result;
}

}  // namespace plivant::ui::win32
