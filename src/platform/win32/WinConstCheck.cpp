// The project's names for the Windows constants that portable code uses (platform/WinConst.h) against the system's
// own: the build fails where one differs. The system headers come first, as in any Win32 source file: the project's
// names leave their macros alone.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include "platform/WinConst.h"

namespace plivant::win {

static_assert(kDddRawTargetPath == DDD_RAW_TARGET_PATH);
static_assert(kDddRemoveDefinition == DDD_REMOVE_DEFINITION);
static_assert(kDddExactMatchOnRemove == DDD_EXACT_MATCH_ON_REMOVE);
static_assert(kFileAttributeReadOnly == FILE_ATTRIBUTE_READONLY);
static_assert(kFileAttributeHidden == FILE_ATTRIBUTE_HIDDEN);
static_assert(kFileAttributeSystem == FILE_ATTRIBUTE_SYSTEM);
static_assert(kFileAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY);
static_assert(kFileAttributeArchive == FILE_ATTRIBUTE_ARCHIVE);
static_assert(kFileAttributeNormal == FILE_ATTRIBUTE_NORMAL);
static_assert(kErrorSuccess == ERROR_SUCCESS);
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kErrorPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(kErrorAccessDenied == ERROR_ACCESS_DENIED);
static_assert(kErrorInvalidParameter == ERROR_INVALID_PARAMETER);
static_assert(kErrorInvalidName == ERROR_INVALID_NAME);
static_assert(kErrorFilenameExcedRange == ERROR_FILENAME_EXCED_RANGE);
static_assert(kErrorMoreData == ERROR_MORE_DATA);
static_assert(kMaxPath == MAX_PATH);
static_assert(kRegSz == REG_SZ);
static_assert(kRegExpandSz == REG_EXPAND_SZ);
static_assert(kRegDword == REG_DWORD);
static_assert(kWmTimer == WM_TIMER);
static_assert(kWmNcLButtonDown == WM_NCLBUTTONDOWN);
static_assert(kLbSetTabStops == LB_SETTABSTOPS);
static_assert(kHtCaption == HTCAPTION);
static_assert(kGwlStyle == GWL_STYLE);
static_assert(kGwlExStyle == GWL_EXSTYLE);
static_assert(kWsMaximizeBox == WS_MAXIMIZEBOX);
static_assert(kWsMinimizeBox == WS_MINIMIZEBOX);
static_assert(kWsThickFrame == WS_THICKFRAME);
static_assert(kWsSysMenu == WS_SYSMENU);
static_assert(kWsDlgFrame == WS_DLGFRAME);
static_assert(kWsCaption == WS_CAPTION);
static_assert(kWsExTopmost == WS_EX_TOPMOST);
static_assert(kSwpNoSize == SWP_NOSIZE);
static_assert(kSwpNoMove == SWP_NOMOVE);
static_assert(kSwpNoZOrder == SWP_NOZORDER);
static_assert(kSwpNoActivate == SWP_NOACTIVATE);
static_assert(kSwpShowWindow == SWP_SHOWWINDOW);
static_assert(kBifReturnOnlyFsDirs == BIF_RETURNONLYFSDIRS);
static_assert(kBifDontGoBelowDomain == BIF_DONTGOBELOWDOMAIN);
static_assert(kBifNewDialogStyle == BIF_NEWDIALOGSTYLE);
static_assert(kBffmInitialized == BFFM_INITIALIZED);
static_assert(kBffmSelChanged == BFFM_SELCHANGED);
static_assert(kBffmSetSelectionA == BFFM_SETSELECTIONA);
static_assert(kMbOk == MB_OK);
static_assert(kMbIconHand == MB_ICONHAND);
static_assert(kMbIconInformation == MB_ICONINFORMATION);
static_assert(kMbYesNo == MB_YESNO && kMbRetryCancel == MB_RETRYCANCEL && kMbIconExclamation == MB_ICONEXCLAMATION);
static_assert(kMbDefButton2 == MB_DEFBUTTON2 && kIdCancel == IDCANCEL && kIdRetry == IDRETRY && kIdYes == IDYES);
static_assert(kIdNo == IDNO);
static_assert(kSwShowNormal == SW_SHOWNORMAL);

// The special handles are casts of numbers to handle types, which a constant expression may not evaluate: here the
// handle types are numbers, so that the system's macros give their numbers.
namespace handles {
using HKEY = uintptr_t;
using HWND = uintptr_t;
static_assert(kHkeyCurrentUser == static_cast<uint32_t>(HKEY_CURRENT_USER));
static_assert(kHwndBottom == HWND_BOTTOM);
static_assert(kHwndTopmost == HWND_TOPMOST);
static_assert(kHwndNoTopmost == HWND_NOTOPMOST);
}  // namespace handles

}  // namespace plivant::win
