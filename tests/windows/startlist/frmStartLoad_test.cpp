// frmStartLoad on the simulated machine: what it loads, the editing steps and the bytes written on closing, the
// list that must not be overwritten, bad lists, and the add button's picture.
#include "windows/startlist/frmStartLoad.h"

#include <gtest/gtest.h>

#include <functional>

#include "mapping/mod_Subst.h"
#include "platform/WinConst.h"
#include "platform/sim/SimPlatform.h"
#include "state/UiStrings.h"
#include "ui/Paint.h"
#include "ui/sim/HeadlessToolkit.h"
#include "ui/sim/PngFile.h"
#include "windows/startlist/StartLoadArt.h"

namespace plivant {
namespace {

using Rows = std::vector<std::string>;
constexpr const char* kFolder = "C:\\Apps\\Plivant\\";
constexpr const char* kList = "C:\\Apps\\Plivant\\mount.ini";
constexpr int16_t kDelete = 46, kInsert = 45;

// A text with the NULs it holds.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

class StartLoadTest : public testing::Test {
protected:
    StartLoadTest() { sim.files.AddFolder("C:\\Apps\\Plivant"); }
    // Opens the window modally, lets the user act, and closes it through the frame's close button.
    void Session(const std::function<void(frmStartLoad&)>& act) {
        toolkit.onModal = [&](ui::Form&) {
            act(form);
            form.NuvaXPForm1.CloseButton.Click();
        };
        form.Show(1);
        ASSERT_FALSE(form.Loaded());
    }
    void Type(ui::Control& box, char c) {
        int16_t key = c;
        box.KeyPress(key);
        EXPECT_EQ(key, 0) << box.Name() << " took '" << c << "'";
    }

    platform::sim::SimPlatform sim;
    ui::sim::HeadlessToolkit toolkit{sim.windowing, sim.shell};
    platform::Platform ports = sim.Ports();
    std::string folder = kFolder;
    platform::AsciiTextCase lower;
    frmStartLoad form{toolkit, ports, folder, lower};
};

TEST_F(StartLoadTest, LoadsCaptionsRowsAsTheyStandButLowerCasedAndTheLettersThatNameNoDrive) {
    sim.registry.SetString(win::HKEY_CURRENT_USER, kLanguageKey, "5003", "Beim Start");
    sim.registry.SetString(win::HKEY_CURRENT_USER, kLanguageKey, "5006", "Dazu");
    sim.dosDevices.AddGlobal("D:", "\\Device\\CdRom0");
    ASSERT_TRUE(DefineDrive(sim.dosDevices, "S", "C:\\Gone", 0));  // a mapped folder names a drive too
    sim.files.AddFile(kList, Bytes("E:\tC:\\My Data\r\nNo Tab\rX:\t\xC4Q\x01\0Z\n\r\n"));
    Session([](frmStartLoad& f) {
        EXPECT_EQ(f.vList.Items(), (Rows{"e:\tc:\\my data", "no tab", Bytes("x:\t\xC4q\x01\0z"), ""}));
        EXPECT_EQ(f.cboDrive.Items(), (Rows{"A:", "B:", "E:", "F:", "G:", "H:", "I:", "J:", "K:", "L:", "M:", "N:",
                                            "O:", "P:", "Q:", "R:", "T:", "U:", "V:", "W:", "X:", "Y:", "Z:"}));
        EXPECT_EQ(f.Caption(), "Beim Start");
        EXPECT_EQ(f.NuvaXPForm1.Caption(), "Beim Start");
        const std::pair<ui::Control*, const char*> tips[] = {{&f.txtBrowse, "Folder path to mount"},
                                                             {&f.cboDrive, "Drive Letter"},
                                                             {&f.cmdAdd, "Dazu"},
                                                             {&f.cmdBrowse, "Browse"},
                                                             {&f.vList, "List to mount"}};
        for (const auto& [control, tip] : tips) EXPECT_EQ(control->ToolTipText(), tip) << control->Name();
        EXPECT_FALSE(f.NuvaXPForm1.ShowMinimize());
        EXPECT_FALSE(f.NuvaXPForm1.ShowMaximize());
        EXPECT_FALSE(f.NuvaXPForm1.EnableMaximize());
    });
    EXPECT_EQ(sim.files.Content(kList), Bytes("e:\tc:\\my data\r\nno tab\r\nx:\t\xC4q\x01\0z\r\n\r\n"));
}

TEST_F(StartLoadTest, EditingSteps) {
    sim.files.AddFolder("C:\\Data");
    sim.files.AddFile(kList, "E:\tC:\\One\r\nF:\tC:\\Two\r\nG:\tC:\\Three\r\n");
    sim.shell.browseChoice = "C:\\Data";
    platform::WindowHandle window = 0;
    Session([&](frmStartLoad& f) {
        window = f.hwnd();
        f.cmdAdd.Click();  // an empty folder box adds nothing
        f.cmdBrowse.Click();
        EXPECT_EQ(f.txtBrowse.Text(), "C:\\Data");
        f.cmdAdd.Click();            // no letter chosen: the row begins with the TAB
        f.cboDrive.SetListIndex(3);  // A: B: D: E:
        f.cmdAdd.Click();
        f.cmdAdd.Click();  // both boxes keep their values: the same row again
        for (char c : {'q', '\b', '\r', '\x16'}) {
            Type(f.txtBrowse, c);
            Type(f.cboDrive, c);
        }
        f.vList.KeyUp(kDelete, 0);  // nothing selected
        f.vList.SetListIndex(1);
        f.vList.KeyUp(kInsert, 0);  // Insert: not Delete
        f.vList.KeyUp(kDelete, 0);
        f.vList.KeyUp(kDelete, 0);       // the selection went with the row
        sim.shell.browseChoice.reset();  // cancelled: the box keeps its folder
        f.cmdBrowse.Click();
        EXPECT_EQ(f.txtBrowse.Text(), "C:\\Data");
    });
    ASSERT_EQ(sim.shell.browses.size(), 2u);
    EXPECT_EQ(sim.shell.browses[0].owner, window);
    EXPECT_EQ(sim.shell.browses[0].title, "Folder to mount");
    EXPECT_EQ(sim.shell.browses[0].callbackDataText, kFolder);
    EXPECT_EQ(sim.files.Content(kList),
              "e:\tc:\\one\r\ng:\tc:\\three\r\n\tC:\\Data\r\nE:\tC:\\Data\r\nE:\tC:\\Data\r\n");
}

// Whatever the user adds, a list that exists but could not be read is left as it was; one the existence test does
// not see is replaced; a refused write leaves the old file whole.
TEST_F(StartLoadTest, ClosingWritesOnlyAListThatWasReadOrAbsent) {
    const std::string old = "E:\tC:\\Old\r\n";
    const struct {
        const char* name;
        uint32_t attributes;
        bool locked, folderWritable;
        ListFileState state;
        std::optional<std::string> after;
    } cases[] = {
        {"locked", win::FILE_ATTRIBUTE_ARCHIVE, true, true, ListFileState::Unreadable, old},
        {"hidden", win::FILE_ATTRIBUTE_HIDDEN, false, true, ListFileState::Absent, "f:\tC:\\New\r\n"},
        {"read-only", win::FILE_ATTRIBUTE_READONLY, false, true, ListFileState::Read, old},
        {"folder refuses", win::FILE_ATTRIBUTE_ARCHIVE, false, false, ListFileState::Read, old},
        {"plain", win::FILE_ATTRIBUTE_ARCHIVE, false, true, ListFileState::Read, "e:\tc:\\old\r\nf:\tC:\\New\r\n"},
    };
    for (const auto& c : cases) {
        sim.files.SetWritable("C:\\Apps\\Plivant", true);
        sim.files.AddFile(kList, old, c.attributes);
        sim.files.SetLocked(kList, c.locked);
        sim.files.SetWritable("C:\\Apps\\Plivant", c.folderWritable);
        Session([](frmStartLoad& f) {
            f.txtBrowse.SetText("C:\\New");
            f.cboDrive.SetText("f:");
            f.cmdAdd.Click();
        });
        EXPECT_EQ(form.ListState(), c.state) << c.name;
        sim.files.SetLocked(kList, false);
        EXPECT_EQ(sim.files.Content(kList), c.after) << c.name;
    }
}

TEST_F(StartLoadTest, EachOpeningStartsAfreshFromTheFileAndAnAbsentListIsCreated) {
    Session([](frmStartLoad& f) { EXPECT_EQ(f.vList.ListCount(), 0); });
    EXPECT_EQ(sim.files.Content(kList), "");
    sim.files.AddFile(kList, "Y:\tC:\\Kept\r\n");
    for (int opening = 0; opening < 2; ++opening) {
        Session([](frmStartLoad& f) {
            EXPECT_EQ(f.vList.Items(), Rows{"y:\tc:\\kept"});
            EXPECT_EQ(f.txtBrowse.Text(), "");
            EXPECT_EQ(f.cboDrive.Text(), "");
            f.txtBrowse.SetText("C:\\Dropped");
            f.cboDrive.SetListIndex(0);
            f.vList.AddItem("added");
            f.vList.SetListIndex(1);
            f.vList.KeyUp(kDelete, 0);
        });
    }
    EXPECT_EQ(sim.files.Content(kList), "y:\tc:\\kept\r\n");
}

TEST_F(StartLoadTest, LargeListsAndEveryLetterInUse) {
    std::string many;
    for (int i = 0; i < 100000; ++i) many += "e:\tc:\\folder " + std::to_string(i) + "\r\n";
    const struct {
        std::string content, expected;
    } cases[] = {{many, many}, {std::string(1 << 20, 'W'), std::string(1 << 20, 'w') + "\r\n"}};
    for (char letter = 'A'; letter <= 'Z'; ++letter) sim.dosDevices.AddGlobal({letter, ':'}, "\\Device\\X");
    for (const auto& c : cases) {
        sim.files.AddFile(kList, c.content);
        Session([](frmStartLoad& f) {
            EXPECT_EQ(f.cboDrive.ListCount(), 0);
            f.txtBrowse.SetText("C:\\X");
            f.cmdAdd.Click();
        });
        EXPECT_EQ(sim.files.Content(kList), c.expected + "\tC:\\X\r\n");
    }
}

TEST(AddPairPicture, AGreenArrowWithADarkOutlinePointingDownInsideTheButtonsFace) {
    const ui::Bitmap b = AddPairPicture();
    ASSERT_EQ(b.Width(), 24);
    ASSERT_EQ(b.Height(), 24);
    ui::WritePngFile(ui::Scaled(b, 8), PLIVANT_SOURCE_DIR "/build/artifacts/add-pair-picture.png");
    enum Kind { kGround, kOutline, kFill };
    const auto kind = [&](int x, int y) {
        const ui::Rgb c = b.Contains(x, y) ? b.At(x, y) : kAddPictureBackground;
        return c == kAddPictureBackground ? kGround : ui::Luma(c) < 90 ? kOutline : kFill;
    };
    int widest = 0, widestRow = -1, top = -1, bottom = -1;
    for (int y = 0; y < 24; ++y) {
        int width = 0;
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(kind(x, y), kind(23 - x, y)) << "not symmetric at " << x << "," << y;
            if (kind(x, y) == kGround) continue;
            ++width;
            EXPECT_TRUE(x >= 4 && x < 20 && y >= 4 && y < 20) << "outside the shown face: " << x << "," << y;
            const bool rim = kind(x - 1, y) == kGround || kind(x + 1, y) == kGround || kind(x, y - 1) == kGround ||
                             kind(x, y + 1) == kGround;
            EXPECT_EQ(kind(x, y), rim ? kOutline : kFill) << x << "," << y;
            EXPECT_TRUE(rim || ui::Green(b.At(x, y)) > ui::Red(b.At(x, y)) + 40) << "fill at " << x << "," << y;
        }
        if (width > 0 && top < 0) top = y;
        if (width > widest) widest = width, widestRow = y;
        if (width > 0) bottom = y;
    }
    // A shaft, then the head at its widest, narrowing to the tip at the bottom.
    EXPECT_GT(widestRow, top + 4);
    EXPECT_GE(widest, 12);
    EXPECT_GT(bottom, widestRow + 4);
}

}  // namespace
}  // namespace plivant
