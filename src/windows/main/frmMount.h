// frmMount: the program's main window. The user picks a folder and a free drive letter and maps the one to the
// other; below, the letters mapped now and the folders mounted before, each list with its popup menu. Its buttons
// open the start-up list editor, the help window and (through the About image) the About window. Closing it ends
// the program.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "frame/NuvaXPForm.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "windows/main/IOpenedWindows.h"

namespace plivant {

// What the window hands its menu-bitmap control at load, by position: five settings, then the fifteen arguments of
// its one method (thirteen colours as 0x00BBGGRR and two switches). The popups' pictures are attached through the
// system's own menu-item bitmaps, so nothing depends on these values; they are kept as the window's design data.
struct MenuBitmapSettings {
    bool setting1 = true;
    int32_t setting2 = 2;
    int32_t setting3 = 2;
    bool setting4 = true;
    bool setting5 = true;
    std::array<ui::OleColor, 13> colours{0xFFFFFF, 0xFFFFFF, 0xE0E0E0, 0xFFFFFF, 0xE0E0E0, 0x000000, 0xFFFFFF,
                                         0xFFFFFF, 0x000000, 0x808080, 0xE0E0E0, 0x000000, 0x000000};
    bool switch1 = true;
    bool switch2 = true;
};
inline constexpr MenuBitmapSettings kMenuBitmapSettings{};

class frmMount : public ui::Form {
public:
    frmMount(ui::Toolkit& toolkit, platform::Platform& platform, IOpenedWindows& opened);

    // Rebuilds the mapped-folders list from the system's device table: one row per letter mapped to a folder.
    void GetDriveData();
    // Says that a mapping failed (5002).
    void ShowMountFailure();

    // In the order a user reaches them with Tab; the frame lies under them all.
    NuvaXPForm NuvaXPForm1;
    ui::CommandButton cmdOK;
    ui::CommandButton cmdBoot;
    ui::CommandButton cmdHelp;
    ui::Image imgAbout;
    ui::TextBox txtPath;
    ui::CommandButton cmdBrowse;
    ui::Label lblListMDrives;
    ui::Label lblDriveLetter;
    ui::ComboBox cboDrive;
    ui::ListBox vList;
    ui::Label lblHistory;
    ui::ListBox oList;
    ui::Menu mnuMenu, mnuMenuUnmount;
    ui::Menu mnuo, mnuoMount, mnuoClear;

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_Unload(int16_t& Cancel) override;
    // The pictures, the menus' pictures and the title bar's icon drawn again at the new scale.
    void Rescaled() override;

private:
    // Loading and mounting.
    void LoadCaptions();
    void FitDriveLetterLabel();
    void FillFreeLetters();
    void RefillDriveBox();
    void LoadHistoryList();
    void ConfigureMenuBitmaps();
    void DrawPictures();
    void ProbeAllLetters();
    // Defines the letter of the drive text as the folder, unless the letter has meanwhile come to name a drive;
    // false when nothing was defined.
    bool MountOnFreeLetter(const std::string& drive, const std::string& folder);
    void cmdOK_Click();
    void cmdBrowse_Click();
    void cboDrive_KeyPress(int16_t& KeyAscii);
    void txtPath_Change();

    // The lists and their popups. A letter's row of the mapped-folders list, empty when it is no mapped folder.
    std::string RowOfLetter(char letter);
    void List_MouseDown(ui::ListBox& list, ui::Menu& menu, int16_t Button, float X, float Y);
    void OpenPopup(ui::ListBox& list, ui::Menu& menu, float x, float y);
    void mnuMenuUnmount_Click();
    void mnuoMount_Click();
    void mnuoClear_Click();

    platform::Platform& platform_;
    IOpenedWindows& opened_;
};

}  // namespace plivant
