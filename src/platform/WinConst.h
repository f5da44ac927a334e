// The Windows constants that portable code needs (no <windows.h> here), under names of the project's own: each is
// the system's name as a constant ("k" and the words of DDD_REMOVE_DEFINITION give kDddRemoveDefinition), since a
// name spelt as the system spells it would be replaced by the system header's macro in any file that includes
// <windows.h> first. platform/win32/WinConstCheck.cpp checks that each equals the system's value.
#pragma once
#include <cstdint>

namespace plivant::win {

// DefineDosDevice flags
inline constexpr uint32_t kDddRawTargetPath = 0x1;
inline constexpr uint32_t kDddRemoveDefinition = 0x2;
inline constexpr uint32_t kDddExactMatchOnRemove = 0x4;

// File attributes
inline constexpr uint32_t kFileAttributeReadOnly = 0x1;
inline constexpr uint32_t kFileAttributeHidden = 0x2;
inline constexpr uint32_t kFileAttributeSystem = 0x4;
inline constexpr uint32_t kFileAttributeDirectory = 0x10;
inline constexpr uint32_t kFileAttributeArchive = 0x20;
inline constexpr uint32_t kFileAttributeNormal = 0x80;

// Error codes
inline constexpr uint32_t kErrorSuccess = 0;
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorInvalidName = 123;
inline constexpr uint32_t kErrorFilenameExcedRange = 206;
inline constexpr uint32_t kErrorMoreData = 234;

inline constexpr uint32_t kMaxPath = 260;

// Registry
inline constexpr uint32_t kHkeyCurrentUser = 0x80000001u;
inline constexpr uint32_t kRegSz = 1;
inline constexpr uint32_t kRegExpandSz = 2;
inline constexpr uint32_t kRegDword = 4;

// Messages
inline constexpr uint32_t kWmTimer = 0x0113;
inline constexpr uint32_t kWmNcLButtonDown = 0x00A1;
inline constexpr uint32_t kLbSetTabStops = 0x0192;
inline constexpr uint32_t kHtCaption = 2;

// Window long indexes and styles
inline constexpr int32_t kGwlStyle = -16;
inline constexpr int32_t kGwlExStyle = -20;
inline constexpr uint32_t kWsMaximizeBox = 0x10000;
inline constexpr uint32_t kWsMinimizeBox = 0x20000;
inline constexpr uint32_t kWsThickFrame = 0x40000;
inline constexpr uint32_t kWsSysMenu = 0x80000;
inline constexpr uint32_t kWsDlgFrame = 0x400000;
inline constexpr uint32_t kWsCaption = 0xC00000;
inline constexpr uint32_t kWsVisible = 0x10000000;
inline constexpr uint32_t kWsExTopmost = 0x8;

// SetWindowPos: insert-after values (as handles) and flags
inline constexpr uintptr_t kHwndBottom = 1;
inline constexpr uintptr_t kHwndTopmost = static_cast<uintptr_t>(-1);
inline constexpr uintptr_t kHwndNoTopmost = static_cast<uintptr_t>(-2);
inline constexpr uint32_t kSwpNoSize = 0x1;
inline constexpr uint32_t kSwpNoMove = 0x2;
inline constexpr uint32_t kSwpNoZOrder = 0x4;
inline constexpr uint32_t kSwpNoActivate = 0x10;
inline constexpr uint32_t kSwpFrameChanged = 0x20;
inline constexpr uint32_t kSwpShowWindow = 0x40;

// Folder-browse dialog
inline constexpr uint32_t kBifReturnOnlyFsDirs = 0x1;
inline constexpr uint32_t kBifDontGoBelowDomain = 0x2;
inline constexpr uint32_t kBifNewDialogStyle = 0x40;
inline constexpr uint32_t kBffmInitialized = 1;
inline constexpr uint32_t kBffmSelChanged = 2;
inline constexpr uint32_t kBffmSetSelectionA = 0x466;

// Message boxes: buttons, icons, the default button, and the answers
inline constexpr int32_t kMbOk = 0x0;
inline constexpr int32_t kMbYesNo = 0x4;
inline constexpr int32_t kMbRetryCancel = 0x5;
inline constexpr int32_t kMbIconHand = 0x10;
inline constexpr int32_t kMbIconExclamation = 0x30;
inline constexpr int32_t kMbIconInformation = 0x40;
inline constexpr int32_t kMbDefButton2 = 0x100;
inline constexpr int32_t kIdCancel = 2;
inline constexpr int32_t kIdRetry = 4;
inline constexpr int32_t kIdYes = 6;
inline constexpr int32_t kIdNo = 7;

// ShowWindow commands
inline constexpr int32_t kSwShowNormal = 1;

}  // namespace plivant::win
