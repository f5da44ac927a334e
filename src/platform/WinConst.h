// Windows constants that portable code needs, spelt as Windows spells them (no <windows.h> here).
#pragma once
#include <cstdint>

namespace plivant::win {

// DefineDosDevice flags
inline constexpr uint32_t DDD_RAW_TARGET_PATH = 0x1;
inline constexpr uint32_t DDD_REMOVE_DEFINITION = 0x2;
inline constexpr uint32_t DDD_EXACT_MATCH_ON_REMOVE = 0x4;

// File attributes
inline constexpr uint32_t FILE_ATTRIBUTE_READONLY = 0x1;
inline constexpr uint32_t FILE_ATTRIBUTE_HIDDEN = 0x2;
inline constexpr uint32_t FILE_ATTRIBUTE_SYSTEM = 0x4;
inline constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;
inline constexpr uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;

// Error codes
inline constexpr uint32_t ERROR_SUCCESS = 0;
inline constexpr uint32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr uint32_t ERROR_PATH_NOT_FOUND = 3;
inline constexpr uint32_t ERROR_ACCESS_DENIED = 5;
inline constexpr uint32_t ERROR_INVALID_HANDLE = 6;
inline constexpr uint32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr uint32_t ERROR_INVALID_NAME = 123;
inline constexpr uint32_t ERROR_FILENAME_EXCED_RANGE = 206;
inline constexpr uint32_t ERROR_MORE_DATA = 234;

inline constexpr uint32_t MAX_PATH = 260;

// Registry
inline constexpr uint32_t HKEY_CURRENT_USER = 0x80000001u;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_EXPAND_SZ = 2;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;
inline constexpr uint32_t REG_MULTI_SZ = 7;

// Messages
inline constexpr uint32_t WM_TIMER = 0x0113;
inline constexpr uint32_t WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr uint32_t LB_SETTABSTOPS = 0x0192;
inline constexpr uint32_t HTCAPTION = 2;

// Window long indexes and styles
inline constexpr int32_t GWL_STYLE = -16;
inline constexpr int32_t GWL_EXSTYLE = -20;
inline constexpr uint32_t WS_MAXIMIZEBOX = 0x10000;
inline constexpr uint32_t WS_MINIMIZEBOX = 0x20000;
inline constexpr uint32_t WS_THICKFRAME = 0x40000;
inline constexpr uint32_t WS_SYSMENU = 0x80000;
inline constexpr uint32_t WS_DLGFRAME = 0x400000;
inline constexpr uint32_t WS_CAPTION = 0xC00000;
inline constexpr uint32_t WS_EX_TOPMOST = 0x8;

// SetWindowPos: insert-after values (as handles) and flags
inline constexpr uintptr_t HWND_TOP = 0;
inline constexpr uintptr_t HWND_BOTTOM = 1;
inline constexpr uintptr_t HWND_TOPMOST = static_cast<uintptr_t>(-1);
inline constexpr uintptr_t HWND_NOTOPMOST = static_cast<uintptr_t>(-2);
inline constexpr uint32_t SWP_NOSIZE = 0x1;
inline constexpr uint32_t SWP_NOMOVE = 0x2;
inline constexpr uint32_t SWP_NOZORDER = 0x4;
inline constexpr uint32_t SWP_NOACTIVATE = 0x10;
inline constexpr uint32_t SWP_SHOWWINDOW = 0x40;

// Folder-browse dialog
inline constexpr uint32_t BIF_RETURNONLYFSDIRS = 0x1;
inline constexpr uint32_t BIF_DONTGOBELOWDOMAIN = 0x2;
inline constexpr uint32_t BIF_NEWDIALOGSTYLE = 0x40;
inline constexpr uint32_t BFFM_INITIALIZED = 1;
inline constexpr uint32_t BFFM_SETSELECTIONA = 0x466;

// Message boxes: buttons and icons
inline constexpr int32_t MB_OK = 0x0;
inline constexpr int32_t MB_ICONHAND = 0x10;
inline constexpr int32_t MB_ICONINFORMATION = 0x40;

// ShowWindow commands
inline constexpr int32_t SW_SHOWNORMAL = 1;

}  // namespace plivant::win
