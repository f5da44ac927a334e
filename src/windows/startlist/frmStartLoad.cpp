// frmStartLoad: loading the list and the free letters, choosing a folder, adding and removing pairs, and writing
// the list on closing.
#include "windows/startlist/frmStartLoad.h"

#include "mapping/mod_DriveInfo.h"
#include "platform/WinConst.h"
#include "util/ErrorPolicy.h"
#include "windows/shared/ProgramFacts.h"
#include "windows/shared/modFolderBrowse.h"
#include "windows/startlist/StartLoadArt.h"

namespace plivant {

namespace {
constexpr int16_t kDeleteKey = 46;
constexpr float kWidth = 6045, kHeight = 3225;

void DiscardKey(int16_t& KeyAscii) {
    KeyAscii = 0;
}
}  // namespace

frmStartLoad::frmStartLoad(ui::Toolkit& toolkit, platform::Platform& platform, const std::string& programFolder)
    : FramedForm(toolkit, platform.process, "frmStartLoad", "Mount @ Win Startup", kWidth, kHeight),
      cboDrive(*this, "cboDrive"),
      txtBrowse(*this, "txtBrowse"),
      cmdBrowse(*this, "cmdBrowse"),
      cmdAdd(*this, "cmdAdd"),
      vList(*this, "vList"),
      platform_(platform),
      programFolder_(programFolder) {
    cboDrive.Move(150, 705, 615, 315);
    cboDrive.SetToolTipText("Drive Letter");
    txtBrowse.Move(825, 720, 4335, 285);
    txtBrowse.SetToolTipText("Folder path to mount");
    cmdBrowse.Move(5205, 720, 330, 315);
    cmdBrowse.SetCaption("...");
    cmdBrowse.SetToolTipText("Browse");
    cmdAdd.Move(5580, 720, 330, 315);
    cmdAdd.SetStyle(1);
    cmdAdd.SetPicture(AddPairPicture(Scale()));
    cmdAdd.SetToolTipText("Add");
    vList.Move(90, 1320, 5865, 1800);

    cboDrive.onKeyPress = DiscardKey;
    MakeDisplayOnly(txtBrowse);
    cmdAdd.onClick = [this] { cmdAdd_Click(); };
    cmdBrowse.onClick = [this] { cmdBrowse_Click(); };
    vList.onKeyUp = [this](int16_t KeyCode, int16_t Shift) { vList_KeyUp(KeyCode, Shift); };
}

void frmStartLoad::Rescaled() {
    FramedForm::Rescaled();
    cmdAdd.SetPicture(AddPairPicture(Scale()));
}

void frmStartLoad::Form_Load() {
    // Only the file survives from one opening to the next: the boxes start empty again.
    txtBrowse.SetText("");
    cboDrive.SetItems({});
    cboDrive.SetText("");
    vList.SetItems({});
    platform::IRegistry& registry = platform_.registry;
    // The frame's caption is the window's too.
    SkipOnError([&] { NuvaXPForm1.SetCaption(LoadUiString(registry, UiString::MountAtStartup)); });
    SkipOnError([&] { txtBrowse.SetToolTipText(LoadUiString(registry, UiString::FolderPathToMount)); });
    SkipOnError([&] { cboDrive.SetToolTipText(LoadUiString(registry, UiString::DriveLetter)); });
    SkipOnError([&] { cmdAdd.SetToolTipText(LoadUiString(registry, UiString::Add)); });
    SkipOnError([&] { cmdBrowse.SetToolTipText(LoadUiString(registry, UiString::Browse)); });
    SkipOnError([&] { vList.SetToolTipText(LoadUiString(registry, UiString::ListToMount)); });
    SkipOnError([&] { LoadList(); });
    SkipOnError([&] { LoadDrives(); });
    HideSizeButtons();
    PlaceOverOwner();
    // The user hears at once that the rows of this opening will not be kept.
    SkipOnError([&] {
        if (listState_ == ListFileState::Hidden) Say(UiString::StartListHidden, win::kMbOk);
        if (listState_ == ListFileState::Partial || listState_ == ListFileState::Unreadable)
            Say(UiString::StartListPartial, win::kMbOk);
    });
}

void frmStartLoad::LoadList() {
    // Until the list has been shown whole, a failure here counts as a list that could not be read.
    listState_ = ListFileState::Unreadable;
    loadedRows_.clear();
    StartupListContent content = ReadStartupList(platform_.files, platform_.codePage, programFolder_);
    for (std::string& line : content.lines) line = platform_.codePage.Lower(std::move(line));
    vList.SetItems(content.lines);
    loadedRows_ = std::move(content.lines);
    listState_ = content.state;
}

int frmStartLoad::Say(UiString id, int buttons) {
    return toolkit().MsgBox(*this, LoadUiString(platform_.registry, id), buttons | win::kMbIconExclamation,
                            facts::kProgramTitle);
}

void frmStartLoad::LoadDrives() {
    std::vector<std::string> free;
    for (const char letter : FreeDriveLetters(platform_.dosDevices)) free.push_back(std::string{letter, ':'});
    cboDrive.SetItems(std::move(free));
}

void frmStartLoad::cmdBrowse_Click() {
    const std::string title = LoadUiString(platform_.registry, UiString::FolderToMount);
    const std::string initial = PickerStartFolder(programFolder_);
    const auto folder = BrowseForFolder(platform_, hwnd(), title, initial);
    if (!folder) Say(UiString::DriveCreationFailed, win::kMbOk);
    if (folder && !folder->empty()) txtBrowse.SetText(*folder);
}

void frmStartLoad::cmdAdd_Click() {
    if (txtBrowse.Text().empty()) return;
    vList.AddItem(cboDrive.Text() + "\t" + txtBrowse.Text());
}

void frmStartLoad::vList_KeyUp(int16_t KeyCode, int16_t) {
    if (KeyCode == kDeleteKey && vList.ListIndex() >= 0) vList.RemoveItem(vList.ListIndex());
}

void frmStartLoad::Form_Unload(int16_t& Cancel) {
    // A list that is hidden, or could not be read whole, is never replaced by what the window shows: that would
    // destroy the user's list. Only a list that was read, or that was not there, is written, on every closing.
    const bool replaceable = listState_ == ListFileState::Absent || listState_ == ListFileState::Read;
    for (;;) {
        bool saved = false;
        if (replaceable)
            SkipOnError(
                [&] { saved = SaveStartupList(platform_.files, platform_.codePage, programFolder_, vList.Items()); });
        // Rows as they were loaded are still in the file: nothing is lost.
        if (saved || vList.Items() == loadedRows_) return;
        // Trying again can help only a write that failed; a list the window must not replace goes straight to the
        // question.
        if (replaceable && Say(UiString::StartListNotSaved, win::kMbRetryCancel) == win::kIdRetry) continue;
        // "No" keeps the window open with its rows, so that the user can deal with the cause and close again.
        if (Say(UiString::CloseWithoutSaving, win::kMbYesNo | win::kMbDefButton2) != win::kIdYes) Cancel = 1;
        return;
    }
}

}  // namespace plivant
