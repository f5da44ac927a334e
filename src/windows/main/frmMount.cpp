// frmMount: the window's design, its loading, the drive and path boxes, mounting, the buttons, resizing and
// closing.
#include "windows/main/frmMount.h"
#include "ui/Types.h"

#include <algorithm>
#include <cmath>

#include "mapping/modFiles.h"
#include "mapping/mod_DriveInfo.h"
#include "mapping/mod_Subst.h"
#include "platform/WinConst.h"
#include "startup/modMain.h"
#include "state/History.h"
#include "state/UiStrings.h"
#include "util/ErrorPolicy.h"
#include "util/Text.h"
#include "windows/main/MountArt.h"
#include "windows/shared/FramedForm.h"
#include "windows/shared/ProgramFacts.h"
#include "windows/shared/modFolderBrowse.h"

namespace plivant {

namespace {

// The window's background: the frame's default.
constexpr ui::OleColor kBackground = NuvaXPForm::kDefaultBackground;
// What the pictures are laid on: the window's colour, which is also the face of the era's buttons.
constexpr ui::Rgb kPictureGround = ui::RgbOf(kBackground);
constexpr float kFrameWidth = 6015, kFrameHeight = 4815;
// The drive letter label as designed: it ends where the drive box begins.
constexpr float kDriveLabelLeft = 4200, kDriveLabelWidth = 825;
// What separates it from the heading of the list, left of it in the same row, when it grows.
constexpr float kLabelGap = 120;
constexpr const char* kNoDriveLetter = "No drive letter;";
constexpr const char* kErrorTitle = "ERROR!";

}  // namespace

frmMount::frmMount(ui::Toolkit& toolkit, platform::Platform& platform, IOpenedWindows& opened)
    : ui::Form(toolkit, "frmMount"),
      NuvaXPForm1(*this, "NuvaXPForm1", platform.process),
      cmdOK(*this, "cmdOK"),
      cmdBoot(*this, "cmdBoot"),
      cmdHelp(*this, "cmdHelp"),
      imgAbout(*this, "imgAbout"),
      txtPath(*this, "txtPath"),
      cmdBrowse(*this, "cmdBrowse"),
      lblListMDrives(*this, "lblListMDrives"),
      lblDriveLetter(*this, "lblDriveLetter"),
      cboDrive(*this, "cboDrive"),
      vList(*this, "vList"),
      lblHistory(*this, "lblHistory"),
      oList(*this, "oList"),
      mnuMenu(*this, "mnuMenu", "Menu"),
      mnuMenuUnmount(mnuMenu, "mnuMenuUnmount", "&Unmount"),
      mnuo(*this, "mnuo", "MenuO"),
      mnuoMount(mnuo, "mnuoMount", "&Mount"),
      mnuoClear(mnuo, "mnuoClear", "&Clear"),
      platform_(platform),
      opened_(opened) {
    SetCaption("Plivant");
    SetBackColor(kBackground);
    // The window keeps the program file's icon for the taskbar; the frame shows the one laid on its title bar.
    // The frame first: the window follows its size (made at any other, it would be placed twice more as it shows).
    NuvaXPForm1.Move(0, 0, kFrameWidth, kFrameHeight);
    const ui::SizeTwips screen = toolkit.ScreenSize();
    Move((screen.width - kFrameWidth) / 2, (screen.height - kFrameHeight) / 2, kFrameWidth, kFrameHeight);
    NuvaXPForm1.ReadProperties(FrameDesign("Plivant", NuvaXPForm::TitleFont(), Scale()));

    for (ui::CommandButton* button : {&cmdOK, &cmdBoot, &cmdHelp}) button->SetStyle(1);
    DrawPictures();
    cmdOK.Move(195, 600, 810, 600);
    cmdBoot.Move(1155, 600, 810, 600);
    cmdHelp.Move(2145, 585, 810, 600);
    imgAbout.SetWindowed(true);
    imgAbout.SetToolTipText("About");
    imgAbout.Move(5020, 450, 945, 900);
    txtPath.Move(90, 1410, 5055, 300);
    cmdBrowse.SetCaption("...");
    cmdBrowse.SetToolTipText("Browse");
    cmdBrowse.Move(5250, 1395, 615, 345);
    for (ui::Label* label : {&lblListMDrives, &lblDriveLetter, &lblHistory}) label->SetBackStyle(0);
    // The list headings take their caption's width, so that a longer font or translation is not cut.
    lblListMDrives.SetAutoSize(true);
    lblHistory.SetAutoSize(true);
    lblListMDrives.SetCaption("List of Mounted Folders");
    lblListMDrives.Move(120, 1920, 1650, 195);
    lblDriveLetter.SetCaption("Drive Letter");
    lblDriveLetter.Move(kDriveLabelLeft, 1920, kDriveLabelWidth, 195);
    cboDrive.SetToolTipText("Drive Letter");
    cboDrive.Move(5235, 1830, 615, 315);
    vList.Move(90, 2190, 5850, 1125);
    lblHistory.SetCaption("List of Previously Mounted Folders");
    lblHistory.Move(105, 3350, 2415, 195);
    oList.Move(90, 3600, 5850, 1125);
    // Used only as popups: not on the menu bar, nor mirrored by the frame.
    mnuMenu.SetVisible(false);
    mnuo.SetVisible(false);

    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdBrowse.onClick = [this] { cmdBrowse_Click(); };
    cmdBoot.onClick = [this] { SkipOnError([&] { opened_.ShowStartupListEditor(*this); }); };
    cmdHelp.onClick = [this] { SkipOnError([&] { opened_.ShowHelp(*this); }); };
    imgAbout.onClick = [this] { SkipOnError([&] { opened_.ShowAbout(*this); }); };
    cboDrive.onKeyPress = [this](int16_t& key) { cboDrive_KeyPress(key); };
    txtPath.onChange = [this] { txtPath_Change(); };
    MakeDisplayOnly(txtPath);
    vList.onMouseDown = [this](int16_t button, int16_t, float x, float y) {
        List_MouseDown(vList, mnuMenu, button, x, y);
    };
    oList.onMouseDown = [this](int16_t button, int16_t, float x, float y) {
        List_MouseDown(oList, mnuo, button, x, y);
    };
    vList.onContextMenu = [this](float x, float y) { OpenPopup(vList, mnuMenu, x, y); };
    oList.onContextMenu = [this](float x, float y) { OpenPopup(oList, mnuo, x, y); };
    mnuMenuUnmount.onClick = [this] { mnuMenuUnmount_Click(); };
    mnuoMount.onClick = [this] { mnuoMount_Click(); };
    mnuoClear.onClick = [this] { mnuoClear_Click(); };
}

// ---------------------------------------------------------------------------------------------------------------
// Loading

void frmMount::Form_Load() {
    SkipOnError([&] { NuvaXPForm1.SetCloseActive(true); });
    LoadCaptions();
    SkipOnError([&] { FillFreeLetters(); });
    SkipOnError([&] { LoadHistoryList(); });
    SkipOnError([&] { ConfigureMenuBitmaps(); });
    SkipOnError([&] { SetListTabStops(platform_.windowing, vList.hwnd()); });
    SkipOnError([&] { ProbeAllLetters(); });
    SkipOnError([&] { GetDriveData(); });
}

void frmMount::LoadCaptions() {
    platform::IRegistry& registry = platform_.registry;
    const auto text = [&](UiString id) { return LoadUiString(registry, id); };
    SkipOnError([&] {
        const std::string title = text(UiString::Title);
        NuvaXPForm1.SetCaption(title);  // the window's caption too
        cmdOK.SetToolTipText(title);
    });
    SkipOnError([&] { cmdBoot.SetToolTipText(text(UiString::SetupMountAsWinBoot)); });
    SkipOnError([&] { cmdHelp.SetToolTipText(text(UiString::Help)); });
    SkipOnError([&] { cmdBrowse.SetToolTipText(text(UiString::Browse)); });
    SkipOnError([&] {
        const std::string drive = text(UiString::DriveLetter);
        cboDrive.SetToolTipText(drive);
        lblDriveLetter.SetCaption(drive);
    });
    SkipOnError([&] {
        const std::string mounted = text(UiString::ListOfMountedFolders);
        lblListMDrives.SetCaption(mounted);
        vList.SetToolTipText(mounted);
    });
    SkipOnError([&] {
        const std::string history = text(UiString::ListOfPreviouslyMounted);
        lblHistory.SetCaption(history);
        oList.SetToolTipText(history);
    });
    SkipOnError([&] { mnuMenuUnmount.SetCaption(text(UiString::Unmount)); });
    SkipOnError([&] { mnuoClear.SetCaption(text(UiString::Clear)); });
    SkipOnError([&] { mnuoMount.SetCaption(text(UiString::Mount)); });
    SkipOnError([&] { FitDriveLetterLabel(); });
}

void frmMount::FitDriveLetterLabel() {
    // Like the headings, the label takes its caption's width, so that a longer translation is not cut; it keeps its
    // right edge by the drive box and grows to the left, as far as the heading before it allows.
    const float right = kDriveLabelLeft + kDriveLabelWidth;
    const float room = right - (lblListMDrives.Left() + lblListMDrives.Width() + kLabelGap);
    const float width = std::max(kDriveLabelWidth, std::min(lblDriveLetter.CaptionSize().width, room));
    lblDriveLetter.Move(right - width, lblDriveLetter.Top(), width, lblDriveLetter.Height());
}

void frmMount::FillFreeLetters() {
    // The box is filled in one go, so that its window repaints once.
    std::vector<std::string> items;
    for (const char letter : FreeDriveLetters(platform_.dosDevices)) items.push_back(std::string(1, letter) + ": ");
    cboDrive.SetItems(std::move(items));
}

void frmMount::RefillDriveBox() {
    SkipOnError([&] {
        cboDrive.Clear();
        cboDrive.SetText("");
    });
    SkipOnError([&] { FillFreeLetters(); });
}

void frmMount::LoadHistoryList() {
    oList.SetItems(LoadHistory(platform_.files, platform_.codePage, ProgramFolder()));
}

void frmMount::DrawPictures() {
    // The pictures are drawn at the first paint, after the window shows.
    using Draw = ui::Bitmap (*)(ui::Rgb, double);
    const float scale = Scale();  // a float: handlers hold no doubles
    for (auto [button, draw] : {std::pair<ui::CommandButton*, Draw>{&cmdOK, MountButtonPicture},
                                {&cmdBoot, StartupButtonPicture},
                                {&cmdHelp, HelpButtonPicture}}) {
        button->SetPicture([draw = draw, scale] { return draw(kPictureGround, scale); });
    }
    imgAbout.SetPicture(ui::ScaledPixels(kAboutPictureWidth, scale), ui::ScaledPixels(kAboutPictureHeight, scale),
                        [scale] { return AboutPicture(kPictureGround, scale); });
}

void frmMount::Rescaled() {
    DrawPictures();
    ConfigureMenuBitmaps();
    NuvaXPForm1.SetIcon(FrameIcon(Scale()));
}

void frmMount::ConfigureMenuBitmaps() {
    // The pictures are laid on the configured menu colour, and drawn when a popup first opens.
    static constexpr ui::Rgb kMenu = ui::RgbOf(kMenuBitmapSettings.colours[0]);
    const float scale = Scale();
    mnuMenuUnmount.SetPicture([scale] { return UnmountMenuPicture(kMenu, scale); });
    mnuoMount.SetPicture([scale] { return MountMenuPicture(kMenu, scale); });
    mnuoClear.SetPicture([scale] { return ClearMenuPicture(kMenu, scale); });
}

void frmMount::ProbeAllLetters() {
    // An absent target with flags 0: the system refuses it, and nothing relies on its answer.
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        SkipOnError([&] { DefineDrive(platform_.dosDevices, std::string(1, letter), std::nullopt, 0); });
    }
}

// ---------------------------------------------------------------------------------------------------------------
// The drive box and the path box

void frmMount::cboDrive_KeyPress(int16_t& KeyAscii) {
    SkipOnError([&] {
        const std::string typed(1, static_cast<char>(KeyAscii));
        for (int i = 0; i < cboDrive.ListCount(); ++i) {
            if (text::ToLowerAscii(cboDrive.List(i)) == typed + ": ")
                cboDrive.SetText(text::ToUpperAscii(typed) + ": ");
        }
    });
    KeyAscii = 0;
}

void frmMount::txtPath_Change() {
    cmdOK.SetEnabled(!txtPath.Text().empty());
}

// ---------------------------------------------------------------------------------------------------------------
// Mounting

bool frmMount::MountOnFreeLetter(const std::string& drive, const std::string& folder) {
    // Another program may have taken the letter since the box was filled: a definition now would hide that drive
    // (a disk, a network drive) under the folder.
    if (DriveExists(platform_.dosDevices, drive)) return false;
    return DefineDrive(platform_.dosDevices, drive, folder, 0);
}

void frmMount::ShowMountFailure() {
    const std::string message = LoadUiString(platform_.registry, UiString::DriveCreationFailed);
    toolkit().MsgBox(*this, message, win::kMbOk | win::kMbIconHand, kErrorTitle);
}

void frmMount::cmdOK_Click() {
    const std::string drive = cboDrive.Text();
    if (drive.empty()) {
        SkipOnError([&] {
            toolkit().MsgBox(*this, kNoDriveLetter, win::kMbOk | win::kMbIconInformation, facts::kProgramTitle);
        });
        SkipOnError([&] { cboDrive.SetFocus(); });
        return;
    }
    const std::string path = txtPath.Text();
    SkipOnError([&] {
        if (!FolderExists(platform_.files, path)) return;
        if (!MountOnFreeLetter(drive, GetShortPath(platform_.files, path))) ShowMountFailure();
    });
    SkipOnError([&] { AppendHistory(platform_.files, platform_.codePage, ProgramFolder(), path); });
    SkipOnError([&] { GetDriveData(); });
    RefillDriveBox();
}

void frmMount::cmdBrowse_Click() {
    SkipOnError([&] {
        const std::string title = LoadUiString(platform_.registry, UiString::FolderToMount);
        const std::string initial = PickerStartFolder(ProgramFolder());
        const auto chosen = BrowseForFolder(platform_, hwnd(), title, initial);
        if (!chosen) ShowMountFailure();
        if (chosen && !chosen->empty()) txtPath.SetText(*chosen);
    });
}

// ---------------------------------------------------------------------------------------------------------------
// Resizing and closing

void frmMount::Form_Resize() {
    // The frame does the resizing; the window only follows it (a minimised or maximised window keeps its size, and
    // the window ends at the frame's size as the frame applies its skin).
    if (WindowState() != ui::FormWindowState::Normal || NuvaXPForm1.ApplyingSkin()) return;
    SkipOnError([&] { Move(Left(), Top(), NuvaXPForm1.Width(), NuvaXPForm1.Height()); });
}

void frmMount::Form_Unload(int16_t&) {
    // Closing the main window ends the program, and with it every other window.
    platform_.process.EndProcess();
}

}  // namespace plivant
