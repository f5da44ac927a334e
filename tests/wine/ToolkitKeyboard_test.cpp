// The toolkit's windows from the keyboard, as a user drives any dialog: keys typed through the system's input
// and run by the program's own message loop move the focus in creation order, press the focused, the default and
// the cancel button, open a combo box and the keyboard's context menus; the right button opens one popup only.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plivant {
namespace {

HWND H(platform::WindowHandle h) {
    return reinterpret_cast<HWND>(h);
}

// A dialog's controls in creation order; a picture box holds one more.
class DialogForm : public ui::Form {
public:
    explicit DialogForm(ui::Toolkit& toolkit) : ui::Form(toolkit, "frmDialog") {
        Move(1500, 1500, 6000, 4500);
        txtPath.Move(90, 90, 3000, 300);
        cboDrive.Move(90, 500, 1200, 315);
        picBox.Move(90, 900, 3000, 500);
        txtInner.Move(30, 30, 2000, 300);
        vList.Move(90, 1500, 3000, 900);
        txtNotes.SetMultiLine(true);
        txtNotes.SetScrollBars(ui::ScrollBars::Vertical);
        txtNotes.Move(90, 2500, 3000, 900);
        imgAbout.SetWindowed(true);
        imgAbout.SetPicture(ui::Bitmap(16, 16, 0x2060C0));
        imgAbout.Move(3300, 1500, 240, 240);
        cmdOK.Move(3300, 90, 1200, 345);
        cmdOK.SetCaption("OK");
        cmdOK.SetDefault(true);
        cmdCancel.Move(3300, 500, 1200, 345);
        cmdCancel.SetCaption("Cancel");
        cmdCancel.SetCancel(true);
        for (ui::Control* c : std::vector<ui::Control*>{&txtPath, &cboDrive, &txtInner, &vList, &txtNotes, &imgAbout,
                                                        &cmdOK, &cmdCancel}) {
            c->onClick = [this, c] { clicked += c->Name() + " "; };
        }
    }
    ui::TextBox txtPath{*this, "txtPath"};
    ui::ComboBox cboDrive{*this, "cboDrive"};
    ui::PictureBox picBox{*this, "picBox"};
    ui::TextBox txtInner{picBox, "txtInner"};
    ui::ListBox vList{*this, "vList"};
    ui::TextBox txtNotes{*this, "txtNotes"};
    ui::Image imgAbout{*this, "imgAbout"};
    ui::CommandButton cmdOK{*this, "cmdOK"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};
    std::string clicked;
};

class ToolkitKeyboard : public testing::Test {
protected:
    void SetUp() override {
        form.Show();
        SetForegroundWindow(H(form.hwnd()));
        Pump();
    }
    // Runs the messages waiting, through the program's own loop (the one DoEvents runs).
    void Pump() { windowing.ProcessPendingMessages(); }
    // Types a key through the system's input, with Shift or Alt held, and lets the program take it.
    void Press(WORD key, WORD modifier = 0) {
        std::vector<INPUT> input;
        const auto add = [&](WORD vk, DWORD flags) {
            INPUT one{};
            one.type = INPUT_KEYBOARD;
            one.ki.wVk = vk;
            one.ki.dwFlags = flags;
            input.push_back(one);
        };
        if (modifier) add(modifier, 0);
        add(key, 0);
        add(key, KEYEVENTF_KEYUP);
        if (modifier) add(modifier, KEYEVENTF_KEYUP);
        ASSERT_EQ(SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)), input.size());
        Pump();
    }
    // The control whose window has the focus (a combo box's edit field counts as the box).
    HWND Focused() const {
        HWND focus = GetFocus();
        return GetParent(focus) == H(form.cboDrive.hwnd()) ? GetParent(focus) : focus;
    }

    platform::win32::Win32Windowing windowing;
    platform::win32::Win32Shell shell;
    ui::win32::Win32Toolkit toolkit{windowing, shell};
    DialogForm form{toolkit};
};

TEST_F(ToolkitKeyboard, TabAndShiftTabFollowTheCreationOrderIntoContainers) {
    const std::vector<ui::Control*> order{&form.txtPath,  &form.cboDrive, &form.txtInner, &form.vList,
                                          &form.txtNotes, &form.imgAbout, &form.cmdOK,    &form.cmdCancel};
    // Shown, the form gives the focus to its first control.
    ASSERT_EQ(Focused(), H(form.txtPath.hwnd()));
    for (size_t i = 1; i <= order.size(); ++i) {
        Press(VK_TAB);
        const ui::Control* expected = order[i % order.size()];
        EXPECT_EQ(Focused(), H(expected->hwnd())) << "Tab " << i << " to " << expected->Name();
        EXPECT_EQ(form.ActiveControl(), expected) << "Tab " << i;
    }
    for (size_t i = order.size(); i-- > 0;) {
        Press(VK_TAB, VK_SHIFT);
        EXPECT_EQ(Focused(), H(order[i]->hwnd())) << "Shift+Tab to " << order[i]->Name();
    }
    // The form remembers its active control when it is activated again.
    form.cmdOK.SetFocus();
    EXPECT_EQ(Focused(), H(form.cmdOK.hwnd()));
    SendMessageA(H(form.hwnd()), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Focused(), H(form.cmdOK.hwnd()));
}

TEST_F(ToolkitKeyboard, EnterSpaceAndEscapePressTheRightButton) {
    struct Case {
        ui::Control* focus;
        WORD key;
        const char* clicked;
    };
    const Case cases[] = {
        {&form.txtPath, VK_RETURN, "cmdOK "},      {&form.txtPath, VK_ESCAPE, "cmdCancel "},
        {&form.txtNotes, VK_RETURN, "cmdOK "},     {&form.txtNotes, VK_ESCAPE, "cmdCancel "},
        {&form.cboDrive, VK_RETURN, "cmdOK "},     {&form.cmdCancel, VK_RETURN, "cmdCancel "},
        {&form.cmdCancel, VK_SPACE, "cmdCancel "}, {&form.cmdOK, VK_ESCAPE, "cmdCancel "},
        {&form.imgAbout, VK_SPACE, "imgAbout "},   {&form.imgAbout, VK_RETURN, "imgAbout "},
    };
    for (const Case& c : cases) {
        c.focus->SetFocus();
        form.clicked.clear();
        Press(c.key);
        EXPECT_EQ(form.clicked, c.clicked) << c.focus->Name() << " key " << c.key;
    }
    // Without a visible default button, Enter presses nothing.
    form.cmdOK.SetVisible(false);
    form.txtPath.SetFocus();
    form.clicked.clear();
    Press(VK_RETURN);
    EXPECT_EQ(form.clicked, "");
}

TEST_F(ToolkitKeyboard, TheComboBoxEditFieldReportsItsKeysAndAltDownOpensTheList) {
    for (const char* item : {"E: ", "F: "}) form.cboDrive.AddItem(item);
    std::string keys;
    form.cboDrive.onKeyDown = [&](int16_t key, int16_t) { keys += "down" + std::to_string(key) + " "; };
    form.cboDrive.onKeyUp = [&](int16_t key, int16_t) { keys += "up" + std::to_string(key) + " "; };
    form.cboDrive.onKeyPress = [&](int16_t& key) {
        keys += "press" + std::to_string(key) + " ";
        key = 0;  // the drive box takes no typing
    };
    form.cboDrive.SetFocus();
    Press('X');
    EXPECT_EQ(keys, "down88 press120 up88 ");
    EXPECT_EQ(form.cboDrive.Text(), "");
    char text[16] = {};
    GetWindowTextA(H(form.cboDrive.hwnd()), text, sizeof text);
    EXPECT_STREQ(text, "");

    EXPECT_FALSE(SendMessageA(H(form.cboDrive.hwnd()), CB_GETDROPPEDSTATE, 0, 0));
    Press(VK_DOWN, VK_MENU);
    EXPECT_TRUE(SendMessageA(H(form.cboDrive.hwnd()), CB_GETDROPPEDSTATE, 0, 0));
    Press(VK_ESCAPE);  // closes the list, and is not the form's Escape
    EXPECT_FALSE(SendMessageA(H(form.cboDrive.hwnd()), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(form.clicked, "");
}

TEST_F(ToolkitKeyboard, PageAndArrowKeysScrollAMultiLineBoxThatTakesNoTyping) {
    std::string text;
    for (int i = 0; i < 60; ++i) text += "Line " + std::to_string(i) + "\r\n";
    form.txtNotes.SetText(text);
    form.txtNotes.onKeyPress = [](int16_t& key) { key = 0; };
    form.txtNotes.SetFocus();
    const HWND w = H(form.txtNotes.hwnd());
    const auto firstVisible = [&] { return SendMessageA(w, EM_GETFIRSTVISIBLELINE, 0, 0); };
    ASSERT_EQ(firstVisible(), 0);
    Press(VK_NEXT);
    const LRESULT page = firstVisible();
    EXPECT_GT(page, 0);
    Press(VK_NEXT);
    EXPECT_GT(firstVisible(), page);
    Press(VK_PRIOR);
    Press(VK_PRIOR);
    EXPECT_EQ(firstVisible(), 0);
    for (int i = 0; i < 30; ++i) Press(VK_DOWN);
    EXPECT_GT(firstVisible(), 0);
    Press('X');
    EXPECT_EQ(form.txtNotes.Text(), text);
}

// Counts the popup menus shown (each is a window of the menu class) and closes each at once.
class MenuCounter {
public:
    MenuCounter() {
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
        timer_ = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
        count_ = 0;
    }
    ~MenuCounter() {
        KillTimer(nullptr, timer_);
        UnhookWindowsHookEx(hook_);
    }
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        char name[16] = {};
        if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
            std::string(name) == "#32768") {
            ++count_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline int count_ = 0;
    HHOOK hook_;
    UINT_PTR timer_;
};

TEST_F(ToolkitKeyboard, KeyboardContextMenusAreRaisedAndARightClickOpensOnePopup) {
    ui::Menu mnuPopup(form, "mnuPopup", "Popup");
    mnuPopup.SetVisible(false);
    ui::Menu mnuItem(mnuPopup, "mnuItem", "Item");
    for (const char* row : {"X: \tC:\\One", "Y: \tC:\\Two", "Z: \tC:\\Three"}) form.vList.AddItem(row);
    form.vList.SetListIndex(2);
    std::vector<std::string> raised;
    form.vList.onContextMenu = [&](float x, float y) {
        raised.push_back("vList " + std::to_string(form.vList.ItemAt(x, y)));
        form.PopupMenu(mnuPopup, x, y);
    };
    // The path box opens the window's popup when the right button goes down, as the windows do.
    form.txtPath.onMouseDown = [&](int16_t button, int16_t, float, float) {
        if (button == 2) form.PopupMenu(mnuPopup, 0, 0);
    };
    enum How { kRightButton, kShiftF10, kMenuKey };
    struct Case {
        ui::Control* control;
        How how;
        std::vector<std::string> raised;
        int menus;  // the window's popup, or the text box's own menu
    };
    const Case cases[] = {
        {&form.vList, kShiftF10, {"vList 2"}, 1},  // at the selected row
        {&form.vList, kMenuKey, {"vList 2"}, 1},  {&form.vList, kRightButton, {}, 0},
        {&form.txtPath, kRightButton, {}, 1},   // the window's popup only
        {&form.txtNotes, kRightButton, {}, 1},  // the box's own menu works
        {&form.txtNotes, kShiftF10, {}, 1},
    };
    for (const Case& c : cases) {
        raised.clear();
        MenuCounter menus;
        const HWND w = H(c.control->hwnd());
        c.control->SetFocus();
        if (c.how == kShiftF10) Press(VK_F10, VK_SHIFT);
        if (c.how == kMenuKey) Press(VK_APPS);
        if (c.how == kRightButton) {
            SendMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
            SendMessageA(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
            Pump();
        }
        EXPECT_EQ(raised, c.raised) << c.control->Name() << " case " << c.how;
        EXPECT_EQ(menus.Count(), c.menus) << c.control->Name() << " case " << c.how;
    }
}

}  // namespace
}  // namespace plivant
