// frmMount: the mapped-folders list and the history list, their popup menus and the popups' commands.
#include "mapping/modFiles.h"
#include "mapping/mod_DriveInfo.h"
#include "mapping/mod_Subst.h"
#include "platform/WinConst.h"
#include "startup/modMain.h"
#include "state/History.h"
#include "state/UiStrings.h"
#include "util/ErrorPolicy.h"
#include "util/Text.h"
#include "windows/main/frmMount.h"
#include "windows/shared/ProgramFacts.h"

namespace plivant {

namespace {

constexpr int16_t kRightButton = 2;

// What a row shows of the folder behind a mapped letter: its long form; a drive root as the root itself; the
// system's own text when the folder cannot be found any more, so that the row still says what the letter holds.
std::string FolderOfLetter(platform::Platform& platform, const std::string& letter) {
    const std::string target(text::UpToNul(GetSubstPath(platform.dosDevices, letter)));
    if (target.size() == 3 && target[1] == ':' && target[2] == '\\') return target;
    const std::string longPath = GetLongPath(platform.files, target);
    return longPath.empty() ? target : longPath;
}

}  // namespace

std::string frmMount::RowOfLetter(char c) {
    const std::string letter(1, text::ToUpperAscii(c));
    if (!IsSubstDrive(platform_.dosDevices, letter)) return {};
    return letter + ": \t" + FolderOfLetter(platform_, letter);
}

void frmMount::GetDriveData() {
    const std::string letters = GetDriveLetters(platform_.dosDevices);
    std::vector<std::string> rows;
    for (const char c : letters) {
        SkipOnError([&] {
            if (std::string row = RowOfLetter(c); !row.empty()) rows.push_back(std::move(row));
        });
    }
    vList.SetItems(std::move(rows));
}

// ---------------------------------------------------------------------------------------------------------------
// Popups

void frmMount::OpenPopup(ui::ListBox& list, ui::Menu& menu, float x, float y) {
    SkipOnError([&] { PopupMenu(menu, list.Left() + x, list.Top() + y); });
}

// The popup's commands act on the selected row: a right press on a row selects it first, so that they act on the
// row the user pointed at; a press below the last row leaves the selection as it is.
void frmMount::List_MouseDown(ui::ListBox& list, ui::Menu& menu, int16_t Button, float X, float Y) {
    if (Button != kRightButton) return;
    SkipOnError([&] {
        if (const int row = list.ItemAt(X, Y); row >= 0) list.SetListIndex(row);
    });
    OpenPopup(list, menu, X, Y);
}

// ---------------------------------------------------------------------------------------------------------------
// Commands

void frmMount::mnuMenuUnmount_Click() {
    if (vList.ListIndex() < 0) return;
    const std::string row = vList.List(vList.ListIndex());
    if (row.empty()) return;
    SkipOnError([&] {
        // Another program may have mapped the letter to another folder since the list was filled: that mapping is
        // not the row's to remove, and the refreshed list shows it.
        if (RowOfLetter(row[0]) == row) RemoveDrive(platform_.dosDevices, row.substr(0, 1) + ":");
    });
    SkipOnError([&] { GetDriveData(); });
}

void frmMount::mnuoMount_Click() {
    if (oList.ListIndex() < 0) return;
    const std::string folder = oList.List(oList.ListIndex());
    if (folder.empty()) return;
    if (!FolderExists(platform_.files, folder)) return;
    SkipOnError([&] {
        // An empty drive box names no letter: the engine refuses it, and the user hears so like any refusal.
        if (!MountOnFreeLetter(cboDrive.Text(), GetShortPath(platform_.files, folder))) ShowMountFailure();
    });
    RefillDriveBox();
    SkipOnError([&] { GetDriveData(); });
}

void frmMount::mnuoClear_Click() {
    bool cleared = false;
    SkipOnError([&] { cleared = ClearHistory(platform_.files, ProgramFolder()); });
    if (cleared) {
        SkipOnError([&] { oList.Clear(); });
        return;
    }
    // A file that cannot be deleted (read-only, or open elsewhere) keeps its lines for the next start: the list keeps
    // them too, and the user hears why.
    SkipOnError([&] {
        const std::string message = LoadUiString(platform_.registry, UiString::HistoryNotCleared);
        toolkit().MsgBox(*this, message, win::kMbOk | win::kMbIconExclamation, facts::kProgramTitle);
    });
}

}  // namespace plivant
